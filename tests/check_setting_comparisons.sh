#!/bin/sh
# Fails, listing them, on comparisons of a choice-valued project setting with
# a bare number in the production folders: `ProjectSettings.X == 2`,
# `1 != s.X[v]` and numeric `case` labels of `switch (ProjectSettings.X)`.
# Such a setting is compared with its enumerators (model/SettingChoices.h);
# only the setting table spells the numbers.
# Usage: check_setting_comparisons.sh <source dir>
set -eu
root=${1:?source directory}
cd "$root"

exec perl -e '
use strict;
use warnings;

my @names = qw(
  Revision DiagnosisMethod RequiredStrengthMethod BalanceMethod OtherElementsMethod OpeningWallBasis
  JointHardwareMethod SnowCase WallQuantityFeature VerificationFeature TopStorey AtticStorage WeightClass
  PartWeightClass GroundClass VerySoftGround MixedStructure StructureType BuildingUse Garage Basement
  FoundationType FoundationCracks FoundationTieBeams FoundationClass CrackCause UniformFoundation
  FloorMaterial HorizontalBraces Atrium UniformFloorSpec BuildDateUnknown RenovationDone AppendTei
  NotDwellingOnly DeteriorationAnswer RetrofitDeteriorationRule DistinguishBraceDirection
  CountSteepDiagonalWalls LeanToColumnsTopStorey GravityCentreBySpec JointIIIRule WallStrengthStandard
  NValueWallFactor UnratedOpeningWallStrength LowStrengthWallReduction UnratedSolidWallRule
  Method2ColumnRule VerificationDeterioration ShowRetrofitCaution ShowBeamStress ShowWallElements
  ShowWallStrength ShowReducedStrength ShowColumnNValue ShowRetrofitPlaces ShowOtherStoreyWalls
  ManualFloorAreas);

# The settings are reached as ProjectSettings.X, or through a local reference
# to it (s, ps, p, settings) or an outline block (d.Settings).
my $setting = "\\b(?:ProjectSettings|Settings|settings|ps|s|p)\\.(?:" . join("|", @names) . ")\\b(?:\\[[^\\]]*\\])*";
my $op = "(?:==|!=|<=|>=|<(?!<)|>(?!>))";
my $number = "-?[0-9]";

# The table itself holds the numbers.
my %exempt = map { $_ => 1 } qw(model/SettingChoices.h model/SettingTable.h model/SettingTable.cpp);

my @files;
for my $dir (qw(model files analysis evaluation presentation chain editing rendering report mainwindow elements outline)) {
  next unless -d $dir;
  open(my $find, "-|", "find", $dir, "-type", "f", "(", "-name", "*.cpp", "-o", "-name", "*.h", ")") or die;
  push @files, map { chomp; $_ } <$find>;
  close $find;
}

my @hits;
for my $file (sort @files) {
  next if $exempt{$file};
  open(my $in, "<", $file) or die "$file: $!";
  my @lines = <$in>;
  close $in;
  my $switchDepth = -1;  # brace depth at which a switch on a setting opened
  my $depth = 0;
  my $pendingSwitch = 0;
  for my $i (0 .. $#lines) {
    my $line = $lines[$i];
    (my $code = $line) =~ s{//.*$}{};
    if ($code =~ /$setting\s*$op\s*$number/ || $code =~ /(?<![\w.])$number[0-9.]*\s*$op\s*$setting/) {
      push @hits, sprintf("%s:%d: %s", $file, $i + 1, $line);
    }
    $pendingSwitch = 1 if $code =~ /\bswitch\s*\(\s*$setting\s*\)/;
    if ($switchDepth >= 0 && $code =~ /\bcase\s+$number/) {
      push @hits, sprintf("%s:%d: %s", $file, $i + 1, $line);
    }
    for my $ch (split //, $code) {
      if ($ch eq "{") {
        if ($pendingSwitch) { $switchDepth = $depth; $pendingSwitch = 0; }
        ++$depth;
      } elsif ($ch eq "}") {
        --$depth;
        $switchDepth = -1 if $depth == $switchDepth;
      }
    }
  }
}

if (@hits) {
  print "Choice-valued settings compared with bare numbers (use the enumerators of model/SettingChoices.h):\n";
  print for @hits;
  exit 1;
}
print "No bare number is compared with a choice-valued setting.\n";
'

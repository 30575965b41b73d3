#pragma once
// The cover family: the diagnosis summary of the current variant and, under
// the general method, the deterioration checklist as its second page.
#include <cstdint>
#include <string>

#include "report/ReportPage.h"

// The verdict class of a score: 0 from 1.5, 1 from 1.0, 2 from 0.7, 3 from 0,
// 4 below 0 (and for a score that is not a number).
int32_t JudgeScore(double score);
// The verdict texts by class; class 1 follows ProjectSettings.Revision.
constexpr int CollapseJudgementCount = 5;
const char16_t* CollapseJudgementText(int32_t judgementClass);

// The completion date of the building, from the first build-date entry.
std::u16string CoverCompletionDate();
// The joint classes present on the walls of variant v (" Ⅰ " ...).
std::u16string CoverJointClasses(int32_t v);
// The wooden braces of variant v: with or without hardware, or none found.
std::u16string CoverBraceSummary(int32_t v);

// Kind 0: one page, two under the general method.
int32_t DrawCoverPage(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

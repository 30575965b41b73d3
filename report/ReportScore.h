#pragma once
// The reduction factor and score page, and the score texts and storey-column
// rows it shares with the cover's results and the wall-quantity judgement.
#include <cstdint>
#include <string>

#include "report/ReportPage.h"

// A score for a "%.3f" format with the third decimal cut, not rounded: the
// value less 0.0004999999999 (0.9996 prints 0.999, 1.5 prints 1.500). A score
// of exactly 0 stays 0 (no "-0.000"); negative scores keep the subtraction.
double CutForThreeDecimals(double score);

// The number of storeys (1..3) of variant v.
int32_t ReportStoreyCount(int32_t v);

// The column heads of the storey columns under X and Y: the direction line
// and the storey line, for 1..3 storeys.
std::u16string StoreyColumnDirectionLine(int32_t storeys);
std::u16string StoreyColumnStoreyLine(int32_t storeys);

// How a storey-column row prints its further values: " %10.3f" (the first Y
// value "  %10.3f"), drift angles "     1/%4.0f" and reciprocals "       %4.0f".
enum class StoreyColumnStyle { Value, DriftAngle, Reciprocal };

// One row: firstFormat with the X value of storey 1, the X values of the
// further storeys, then the Y values, each in the style's format.
std::u16string StoreyColumnRow(const char16_t* firstFormat, const double x[3], const double y[3],
                               int32_t storeys, StoreyColumnStyle style = StoreyColumnStyle::Value);

// The governing load combination of the building score of variant v, plain
// or snow, guarded to 0..16.
int32_t GoverningBuildingCombination(int32_t v, bool snow);

// The building's score G: the smaller of the plain and (with a snow load) the
// snow building score of the governing combinations; snowGoverns tells that
// the snow score is the strictly smaller one.
double BuildingDiagnosisScore(int32_t v, bool* snowGoverns = nullptr);

// The score page's note on the load combination its values come from when
// the brace directions are told apart: the governing combination of the
// building score, and with snow that of the snow pass too.
std::u16string ScoreCombinationNote(int32_t v, bool snow);

// Kind 11: the reduction factors, held strengths and scores; one page.
int32_t DrawScorePage(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

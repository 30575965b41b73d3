#pragma once
// The frame every report page family draws on: the fourteen families, the
// page sink that takes the finished pages (the printer or the preview), the
// millimetre geometry, the page frame with its wanted-page countdown, the
// page header and the millimetre helpers. Qt-free; the printer and preview
// sinks live in report/qt.
#include <cstdint>
#include <string>
#include <string_view>

#include "model/ReportPaging.h"
#include "rendering/Canvas.h"

// The page families, also the tabs of the preview in this order.
enum ReportPageKind : int32_t {
  PageCover = 0,
  PagePlan = 1,
  PageFoundation = 2,
  PageRequiredStrength = 3,
  PageWallStrength = 4,
  PageCentreOfGravity = 5,
  PageRigidity = 6,
  PageNValueTables = 7,
  PageNValueFrames = 8,
  PageFloorMagnification = 9,
  PageFloorStrengthCheck = 10,
  PageScore = 11,
  PageWallQuantity = 12,
  PageVerification = 13,
};

// Title prefixes by CurrentVariant.
extern const char16_t* const VariantTitlePrefixes[3];
// The prefix of the variant being edited.
const char16_t* CurrentTitlePrefix();

// The nominal page picture, in drawing units.
constexpr int32_t PagePictureWidth = 2100;
constexpr int32_t PagePictureHeight = 2970;

// Faces of the report fonts.
inline constexpr char16_t ReportGothicFace[] = u"ＭＳ ゴシック";
inline constexpr char16_t ReportMinchoFace[] = u"ＭＳ 明朝";

// A position or size in millimetres as drawing units: the product with
// pixelsPerMm in extended precision, truncated toward zero (20 mm at 10.2 is
// 203, not 204).
int32_t MmToUnits(double mm, double pixelsPerMm);

struct LocalTime {
  int32_t Year = 0, Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

// Where the pages of a family go. The printer sink draws each page straight
// on the sheet of the open print job; the preview sink records each page as
// the calls that draw it and gives it to the family's image, replacing the one
// before.
class PageSink {
 public:
  virtual ~PageSink();
  // A canvas for the next page; what was drawn on the previous page is gone
  // from it (preview) or already on paper (printing).
  virtual Canvas& BeginPage() = 0;
  // The page drawn since BeginPage() is finished.
  virtual void HandOverPage() = 0;
  // Printing: the job goes on to a new sheet.
  virtual void NewPage() = 0;
  // Printing: the number of the job's current sheet, 1 on the first.
  virtual int32_t JobPageNumber() const = 0;
  // Printing: the printable area in dots and the horizontal resolution in
  // dots per inch.
  virtual int32_t PrintableWidth() const = 0;
  virtual int32_t PrintableHeight() const = 0;
  virtual int32_t Resolution() const = 0;
  // The local time, for the page header.
  virtual LocalTime Now() const = 0;
  // Printing: the user has stopped the job; the family hands over the page
  // it has drawn and draws no further one.
  virtual bool Cancelled() const { return false; }
};

// The page function of a family. wantedPage 0: print every page into the job
// the caller has begun, result 0. wantedPage n >= 1: draw pages 1 to n and
// leave page n (the last page when the family has fewer) in the preview
// image; result 1 when a page n + 1 exists, else 0.
using ReportPageGenerator = int32_t (*)(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

// The frame of a family's pages: BeginPage() for every page, the family's
// drawing, then HandOver(). A family draws its pages in a loop and stops as
// soon as HandOver() says so:
//   PageFrame frame(sink, ppm, wanted);
//   for (each page) { Canvas& c = frame.BeginPage(); ...; if (frame.HandOver(more)) break; }
//   return frame.Result();
class PageFrame {
 public:
  PageFrame(PageSink& sink, double pixelsPerMm, int32_t wantedPage);

  // A fresh canvas set up for the page: text colour black, pen white, brush
  // white and solid, the page painted white, the font description zeroed
  // (italic), and the page header when printing.
  Canvas& BeginPage();
  // Hands the finished page over; further tells whether the family has a
  // page after it. Printing: a new sheet begins when one follows; true (stop)
  // once the job has been cancelled. Preview:
  // the countdown from wantedPage; true when the wanted page has been handed
  // over (Result() is then 1 when a further page exists), and the family
  // must draw nothing more.
  bool HandOver(bool further);
  int32_t Result() const { return result_; }

  bool Printing() const { return wantedPage_ == 0; }
  double PixelsPerMm() const { return pixelsPerMm_; }
  Canvas& PageCanvas() { return *canvas_; }

  // The page's font description: face, height and width in millimetres,
  // weight and italic; the font is given to the canvas.
  void SelectFont(const char16_t* face, double heightMm, double widthMm, int32_t weight, int32_t italic = 0);
  // The body font of the tables: "ＭＳ ゴシック" 3 mm high, widthMm wide, weight 400.
  void SelectBodyFont(double widthMm = 1.5) { SelectFont(ReportGothicFace, 3, widthMm, 400); }
  // Title font 6 x 3 mm (or as given), weight 800, and the title at (20, 10) mm.
  void DrawTitle(std::u16string_view title, double heightMm = 6, double widthMm = 3);

 private:
  PageSink& sink_;
  double pixelsPerMm_;
  int32_t wantedPage_;
  int32_t countdown_;
  int32_t result_ = 0;
  Canvas* canvas_ = nullptr;
  FontDescription font_;
};

// The page header text of a printed page.
std::u16string PageHeaderText(std::u16string_view buildingName, int32_t pageNumber, const LocalTime& time);
// The header at the top right of a printed page: "ＭＳ 明朝" italic 3 x 1.5 mm,
// ending 500 dots left of the printable area's right edge, at its top.
// Leaves the brush clear.
void DrawPageHeader(Canvas& canvas, PageSink& sink, double pixelsPerMm);

// One drawing call each, at millimetre positions.
void DrawTextMm(Canvas& canvas, double pixelsPerMm, double x, double y, std::u16string_view text);
void DrawRectMm(Canvas& canvas, double pixelsPerMm, double x1, double y1, double x2, double y2);
void DrawLineMm(Canvas& canvas, double pixelsPerMm, double x1, double y1, double x2, double y2);

// A score with two decimals cut, not rounded, for "%.2f"-style formats: the
// value less 0.004999999999, never below 0 (so 1.2349 prints 1.23, 1.23
// prints 1.23 and a score of 0 prints 0.00 without a sign).
double CutForTwoDecimals(double score);

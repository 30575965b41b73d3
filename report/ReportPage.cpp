#include "report/ReportPage.h"

#include <cmath>

#include "evaluation/Superstructure.h"
#include "model/ProgramVersion.h"
#include "model/ProjectSettings.h"
#include "model/ViewState.h"
#include "platform/Format.h"
#include "platform/Numeric.h"

const char16_t* const VariantTitlePrefixes[3] = {u"現況 ", u"補強計画 ", u"補強計画案２ "};

const char16_t* CurrentTitlePrefix() {
  return VariantTitlePrefixes[CurrentVariant >= 0 && CurrentVariant < 3 ? CurrentVariant : 0];
}

int32_t MmToUnits(double mm, double pixelsPerMm) {
  const long double product = static_cast<long double>(mm) * static_cast<long double>(pixelsPerMm);
  if (!(product > -2147483649.0L && product < 2147483648.0L)) return TruncToInt(static_cast<double>(product));
  return static_cast<int32_t>(product);
}

PageSink::~PageSink() = default;

namespace {

constexpr int32_t White = 0xFFFFFF;
// The far corner of the white fill: the picture's physical size in
// hundredths of a millimetre, far beyond the sheet on every device.
constexpr int32_t PagePhysicalWidth = PagePictureWidth * 2540 / 96;
constexpr int32_t PagePhysicalHeight = PagePictureHeight * 2540 / 96;

FontDescription ZeroedItalicFont() {
  FontDescription font;
  font.Height = 0;
  font.Width = 0;
  font.Escapement = 0;
  font.Weight = 0;
  font.Italic = 1;
  font.CharSet = 128;
  return font;
}

}  // namespace

PageFrame::PageFrame(PageSink& sink, double pixelsPerMm, int32_t wantedPage)
    : sink_(sink), pixelsPerMm_(pixelsPerMm), wantedPage_(wantedPage), countdown_(wantedPage) {}

Canvas& PageFrame::BeginPage() {
  canvas_ = &sink_.BeginPage();
  Canvas& canvas = *canvas_;
  font_ = ZeroedItalicFont();
  // A fresh drawing context: a one-unit solid pen drawing its colour.
  canvas.SetPenWidth(1);
  canvas.SetPenStyle(PenStyle::Solid);
  canvas.SetPenMode(PenMode::Copy);
  canvas.MoveTo(0, 0);
  canvas.SetFontColour(0);
  canvas.SetBrushColour(White);
  canvas.SetBrushStyle(BrushStyle::Clear);
  canvas.SetPenColour(White);
  canvas.SetBrushColour(White);
  canvas.Rectangle(0, 0, PagePhysicalWidth, PagePhysicalHeight);
  if (Printing()) DrawPageHeader(canvas, sink_, pixelsPerMm_);
  return canvas;
}

bool PageFrame::HandOver(bool further) {
  sink_.HandOverPage();
  if (Printing()) {
    if (sink_.Cancelled()) return true;
    if (further) sink_.NewPage();
    return false;
  }
  --countdown_;
  if (countdown_ == 0) {
    result_ = further ? 1 : 0;
    return true;
  }
  if (!further) {
    result_ = 0;
    return true;
  }
  return false;
}

void PageFrame::SelectFont(const char16_t* face, double heightMm, double widthMm, int32_t weight,
                           int32_t italic) {
  font_.FaceName = face;
  font_.Height = MmToUnits(heightMm, pixelsPerMm_);
  font_.Width = MmToUnits(widthMm, pixelsPerMm_);
  font_.Weight = weight;
  font_.Italic = italic;
  canvas_->SetFont(font_);
}

void PageFrame::DrawTitle(std::u16string_view title, double heightMm, double widthMm) {
  SelectFont(ReportGothicFace, heightMm, widthMm, 800);
  DrawTextMm(*canvas_, pixelsPerMm_, 20, 10, title);
}

std::u16string PageHeaderText(std::u16string_view buildingName, int32_t pageNumber, const LocalTime& time) {
  // The name is a fixed array that need not end in a terminator.
  std::u16string name(buildingName.substr(0, 80));
  if (const auto end = name.find(u'\0'); end != std::u16string::npos) name.resize(end);
  std::u16string text =
      FormatW(u"Quilmora2025 " QUILMORA_PROGRAM_VERSION " [ %s  P.%2i ] %4d/%2d/%2d %2d:%2d:%2d",
              name.c_str(), pageNumber, time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second);
  if (text.size() > 255) text.resize(255);
  return text;
}

void DrawPageHeader(Canvas& canvas, PageSink& sink, double pixelsPerMm) {
  FontDescription font = ZeroedItalicFont();
  canvas.SetFontColour(0);
  canvas.SetBrushColour(White);
  canvas.SetBrushStyle(BrushStyle::Clear);
  font.FaceName = ReportMinchoFace;
  font.Height = MmToUnits(3, pixelsPerMm);
  font.Width = MmToUnits(1.5, pixelsPerMm);
  font.Weight = 400;
  canvas.SetFont(font);
  const std::u16string text = PageHeaderText(
      std::u16string_view(ProjectSettings.BuildingName, std::size(ProjectSettings.BuildingName)),
      sink.JobPageNumber(), sink.Now());
  const int32_t width = FixedPitchTextWidth(font, text);
  canvas.TextOut(sink.PrintableWidth() - width - 500, 0, text);
}

void DrawTextMm(Canvas& canvas, double pixelsPerMm, double x, double y, std::u16string_view text) {
  canvas.TextOut(MmToUnits(x, pixelsPerMm), MmToUnits(y, pixelsPerMm), text);
}

void DrawRectMm(Canvas& canvas, double pixelsPerMm, double x1, double y1, double x2, double y2) {
  canvas.Rectangle(MmToUnits(x1, pixelsPerMm), MmToUnits(y1, pixelsPerMm), MmToUnits(x2, pixelsPerMm),
                   MmToUnits(y2, pixelsPerMm));
}

void DrawLineMm(Canvas& canvas, double pixelsPerMm, double x1, double y1, double x2, double y2) {
  canvas.MoveTo(MmToUnits(x1, pixelsPerMm), MmToUnits(y1, pixelsPerMm));
  canvas.LineTo(MmToUnits(x2, pixelsPerMm), MmToUnits(y2, pixelsPerMm));
}

double CutForTwoDecimals(double score) {
  const double cut = CutScore(score);
  return cut < 0 ? 0.0 : cut;
}

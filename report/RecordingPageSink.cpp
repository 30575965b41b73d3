#include "report/RecordingPageSink.h"

Canvas& RecordingPageSink::BeginPage() {
  canvas_.Clear();
  return canvas_;
}

void RecordingPageSink::HandOverPage() {
  Pages.push_back(canvas_.Calls());
  Events.emplace_back("page");
}

void RecordingPageSink::NewPage() {
  ++NewPageCount;
  ++pageNumber_;
  Events.emplace_back("new");
}

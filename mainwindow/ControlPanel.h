#pragma once
// The control panel on the right of the main window (the save buttons, the
// variant, storey and edit-mode selectors, the display switches and the
// results panel), built from tables of its controls by
// TQuilmoraForm::BuildControlPanel in ControlPanel.cpp; and what the
// window's state display shares with it.
#include <QColor>
#include <cstdint>

#include "mainwindow/QuilmoraForm.h"
#include "model/ProjectSettings.h"

class QWidget;

// A display box of the plan: its component name, caption and the project
// flag it stands for.
struct PanelDisplaySwitch {
  const char* name;
  const char* caption;
  int32_t ProjectSettingsData::*flag;
};
extern const PanelDisplaySwitch PanelDisplaySwitches[TQuilmoraForm::DisplaySwitchCount];

// A colour of the project's colour values (0x00bbggrr).
QColor FromColorRef(int32_t bgr);
// Fills a widget with a colour, a button through a style sheet of its own.
void SetBackground(QWidget* widget, int32_t colour);

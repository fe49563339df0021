#pragma once
// Captions, file names, sizes and messages of the report window frame, per report window.
#include <cstdint>

#include <QString>

#include "core/Message.h"
#include "reports/ReportModel.h"

namespace ReportFrameTexts {

struct WindowTexts {
    QString captionSuffix;  // after "Tessel126"
    QString koteret;        // the heading label
    QString label2;         // under which name the file is saved
    bool label2RightToLeft = false;
    QString closingTitle;   // title of "Save the file ?"
};
WindowTexts TextsOf(ReportWindow window, int16_t lang);

// "Tessel" & MaxNumOfDevices & the caption suffix.
QString Caption(ReportWindow window, int16_t lang, int maxNumOfDevices);

// The file name suffixes after ProjectName.
QString ReportSuffix(ReportWindow window);
QString ExportSuffix(ReportWindow window);

struct Buttons {
    QString excel, save, print, exit;
};
Buttons ButtonTexts(int16_t lang);

// Heights by SmallDisplay: the window's client area, the list and the top of the bottom row, in
// pixels.
struct Sizes {
    int windowHeight;  // the client area; the title bar and borders come on top
    int listHeight;
    int rowTop;
};
Sizes SizesOf(bool smallDisplay);
// Font sizes in points: the list and the heading label.
double ListPoints(ReportWindow window);
double KoteretPoints(ReportWindow window);

// SAVE's message, after a successful write.
Message Saved(int16_t lang);
// The closing question, Yes / No / Cancel.
Message SaveQuestion(ReportWindow window, int16_t lang);
// A report or export file that could not be written: its path and the reason.
Message WriteFailed(int16_t lang, const QString& path, const QString& reason);
// Printing that failed: the printer or output file, or the report file that could not be read.
Message PrintFailed(int16_t lang, const QString& where);

}  // namespace ReportFrameTexts

#include "ScriptedPrinter.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

void FailOnPrintDialog()
{
    Printer::SetDialogHook([](QPrinter&) {
        ADD_FAILURE() << "Print dialog without a ScriptedPrinter";
        return false;
    });
}

ScriptedPrinter::ScriptedPrinter() : previous_(Printer::CurrentDialogHook())
{
    Printer::SetDialogHook([this](QPrinter& printer) {
        ++shown_;
        if (script_.empty()) {
            ADD_FAILURE() << "Unexpected print dialog";
            return false;
        }
        const Answer a = script_.front();
        script_.pop_front();
        if (a.cancel) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(a.path);
        printer.setCopyCount(a.copies);
        return true;
    });
}

ScriptedPrinter::~ScriptedPrinter()
{
    Printer::SetDialogHook(previous_);
    if (!script_.empty()) ADD_FAILURE() << script_.size() << " print dialog answer(s) never used";
}

void ScriptedPrinter::ExpectPdf(const QString& path, int copies) { script_.push_back({false, path, copies}); }
void ScriptedPrinter::ExpectCancel() { script_.push_back({true, QString(), 1}); }

namespace Pdf {
namespace {

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed (package poppler-utils): "
                      << p.readAllStandardError().toStdString();
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

int Pages(const QString& path)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(Run(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString Text(const QString& path, int first, int last)
{
    QStringList args{QStringLiteral("-f"), QString::number(first)};
    if (last > 0) args << QStringLiteral("-l") << QString::number(last);
    args << QStringLiteral("-enc") << QStringLiteral("UTF-8") << path << QStringLiteral("-");
    QString text = Run(QStringLiteral("pdftotext"), args);
    static const QRegularExpression marks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
    return text.remove(marks);
}

}  // namespace Pdf

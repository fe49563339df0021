#include "ScriptedPrinter.h"

#include <algorithm>
#include <cmath>
#include <map>

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

QString Text(const QString& path, int first, int last, Order order)
{
    QStringList args{QStringLiteral("-f"), QString::number(first)};
    if (last > 0) args << QStringLiteral("-l") << QString::number(last);
    if (order == Order::Drawn) args << QStringLiteral("-raw");
    if (order == Order::Shown) args << QStringLiteral("-layout");
    args << QStringLiteral("-enc") << QStringLiteral("UTF-8") << path << QStringLiteral("-");
    QString text = Run(QStringLiteral("pdftotext"), args);
    static const QRegularExpression marks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
    return text.remove(marks);
}

std::string CountsDiffer(const QString& written, const QString& read)
{
    std::map<char16_t, std::pair<int, int>> counts;  // times written, times read
    auto count = [&counts](const QString& text, bool isRead) {
        for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
            if (c.isSpace()) continue;
            std::pair<int, int>& n = counts[std::min(c.unicode(), c.mirroredChar().unicode())];
            ++(isRead ? n.second : n.first);
        }
    };
    count(written, false);
    count(read, true);
    QString differ;
    for (const auto& [c, n] : counts)
        if (n.first != n.second) differ += QStringLiteral("'%1' %2 read %3; ").arg(QChar(c)).arg(n.first).arg(n.second);
    return differ.toStdString();
}

QString Unpointed(const QString& text)
{
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    return text.normalized(QString::NormalizationForm_D).remove(marks);
}

std::vector<Word> Page::Find(const QString& text) const
{
    std::vector<Word> found;
    for (const Word& w : words)
        if (w.text == text) found.push_back(w);
    return found;
}

std::vector<Word> Page::LineOf(const Word& w) const
{
    std::vector<Word> line;
    for (const Word& other : words)
        if (std::abs(other.yMin - w.yMin) < 1) line.push_back(other);
    std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.xMin < b.xMin; });
    return line;
}

Page Words(const QString& path, int page)
{
    const QString html = Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                                           QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                                           QString::number(page), path, QStringLiteral("-")});
    Page result;
    static const QRegularExpression size(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    if (const QRegularExpressionMatch m = size.match(html); m.hasMatch()) {
        result.width = m.captured(1).toDouble();
        result.height = m.captured(2).toDouble();
    }
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    static const QRegularExpression marks(QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}]"));
    for (QRegularExpressionMatchIterator it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString text = m.captured(5).remove(marks);
        text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&apos;"), QLatin1String("'"));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        result.words.push_back({text, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                                m.captured(4).toDouble()});
    }
    return result;
}

}  // namespace Pdf

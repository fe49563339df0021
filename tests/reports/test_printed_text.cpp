// The text of a printout, read back from its PDF file: copying or searching it finds the words of
// the report file, in their order, whichever script they are in, and each of its characters once;
// and numbers among the Hebrew are printed in their reading order.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include <QPushButton>
#include <QRegularExpression>

#include "ReportFixture.h"
#include "ReportWindows.h"
#include "platform/TextFile.h"
#include "tests/common/ScriptedPrinter.h"

namespace {

using namespace ReportTest;

// The words of a text: runs of Hebrew letters, and runs of other letters and digits, read apart
// from their points and accents. (A reader of a PDF takes a Hebrew word and the number that
// touches it as two words, and places a point apart from its letter.)
QStringList Words(const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\x{05D0}-\\x{05EA}]+|[^\\W\\x{05D0}-\\x{05EA}]+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    QStringList out;
    for (QRegularExpressionMatchIterator it = word.globalMatch(Pdf::Unpointed(text)); it.hasNext();) out << it.next().captured();
    return out;
}

// Empty when `read` is `written`; else where they part, with the words around.
std::string Parting(const QStringList& written, const QStringList& read)
{
    if (written == read) return {};
    qsizetype at = 0;
    while (at < written.size() && at < read.size() && written[at] == read[at]) ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 3);
    return QStringLiteral("word %1 of %2: the file has \"%3\", the PDF \"%4\"")
        .arg(at)
        .arg(written.size())
        .arg(written.mid(from, 10).join(u' '), read.mid(from, 10).join(u' '))
        .toStdString();
}

class PrintedTextTest : public ReportFixture {
protected:
    static void Language(int16_t lang)
    {
        UILanguage = lang;
        languages::SetLanguage(lang);
        ResetModule::ResetProject(true);
    }
    // What PRINT sends to a PDF file named `name`.
    QString Printed(frmReport& w, const QString& name)
    {
        w.show();
        const QString pdf = tmp.path() + QLatin1Char('/') + name + QStringLiteral(".pdf");
        printer.ExpectPdf(pdf);
        w.prnCmd->click();
        return pdf;
    }
    // Every printout of the project, in the language, reads back the words of its report file.
    void ExpectEveryPrintoutReadsBack(int16_t lang, const QString& round, int minPages)
    {
        for (const Window& win : windows) {
            const QString name = QString::fromLatin1(win.name) + (lang == 1 ? "-he" : "-en") + round;
            SCOPED_TRACE(name.toStdString());
            const auto w = win.make();
            const QString pdf = Printed(*w, name);
            EXPECT_GE(Pdf::Pages(pdf), minPages);
            const std::optional<QStringList> file = TextFile::ReadLines(w->TxtFilePath);
            ASSERT_TRUE(file.has_value());
            const QStringList written = Words(file->join(u'\n'));
            // In the order it was drawn, the PDF's text is the file's, word for word, and holds
            // each of its characters once.
            const QString drawn = Pdf::Text(pdf, Pdf::Order::Drawn);
            EXPECT_EQ(Parting(written, Words(drawn)), "");
            EXPECT_EQ(Pdf::CountsDiffer(file->join(QString()), drawn), "");
            // Laid out as the page shows it, every word is whole: no word comes letter by letter.
            QStringList shown = Words(Pdf::Text(pdf, Pdf::Order::Shown)), sorted = written;
            std::sort(shown.begin(), shown.end());
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(Parting(sorted, shown), "");
        }
    }

    ScriptedPrinter printer;
};

TEST_F(PrintedTextTest, EveryPrintoutReadsBackWordForWordFromItsPdf)
{
    for (int16_t lang : {1, 2}) {
        Language(lang);
        FillLongProject();
        ExpectEveryPrintoutReadsBack(lang, QString(), 2);
    }
}

// The smoke/heat detector's line and total are printed, read back word for word, in both
// languages.
TEST_F(PrintedTextTest, TheSmokeHeatDetectorsAreOnPaper)
{
    for (int16_t lang : {1, 2}) {
        Language(lang);
        FillSmokeAndSmokeHeat();
        frmView2 w;
        const QStringList read = Words(Pdf::Text(Printed(w, QStringLiteral("smoke-heat-%1").arg(lang)), Pdf::Order::Drawn));
        for (const QString& line : {SmokeHeatLine(lang), SmokeHeatTotal(lang)}) {
            const QStringList written = Words(line);
            const auto at = std::search(read.begin(), read.end(), written.begin(), written.end());
            EXPECT_NE(at, read.end()) << line.toStdString() << "\nnot in: " << read.join(u' ').toStdString();
        }
    }
}

// Pointed names (Windows-1255 holds the points) are printed a letter with its points once, and
// read back whole, in a Hebrew report from the right and in an English one from the left.
TEST_F(PrintedTextTest, PointedNamesArePrintedOnceAndReadBackWordForWord)
{
    for (int16_t lang : {1, 2}) {
        Language(lang);
        FillSampleProject();
        for (int a = 1; a <= MaxAddress; ++a)
            if (DeviceDataArray[a].Exist.str() == "1") DeviceDataArray[a].DeviceName = QStringLiteral("מִטְבָּח %1").arg(a);
        for (int g = 1; g <= MaxGroups; ++g) OutGrpArray[g].GrpName = QStringLiteral("קָבוּצָה %1").arg(g, 2, 10, QLatin1Char('0'));
        ExpectEveryPrintoutReadsBack(lang, QStringLiteral("-pointed"), 1);
    }
}

// Numbers alone among the Hebrew keep their reading order on paper, as on the screen: in the
// card totals' "ככתובת 1   : 5" the address comes first from the right, then the count. Read
// left to right as one, like a phrase holding a letter, the line would show the count first.
TEST_F(PrintedTextTest, NumbersAloneAmongTheHebrewKeepTheirReadingOrder)
{
    Language(1);
    FillFiveRelayCards();
    frmView2 w;
    const QString pdf = Printed(w, QStringLiteral("totals"));
    const std::optional<QStringList> file = TextFile::ReadLines(w.TxtFilePath);
    ASSERT_TRUE(file.has_value());
    ASSERT_TRUE(file->contains(FiveRelayCardsTotal));
    std::vector<std::string> numberLines;  // the numbers of each line holding a "5", from the right
    for (int page = 1; page <= Pdf::Pages(pdf); ++page) {
        const Pdf::Page words = Pdf::Words(pdf, page);
        for (const Pdf::Word& five : words.Find(QStringLiteral("5"))) {
            std::vector<Pdf::Word> line = words.LineOf(five);
            QStringList numbers;
            for (auto w = line.rbegin(); w != line.rend(); ++w)
                if (w->text.toInt() > 0) numbers << w->text;
            numberLines.push_back(numbers.join(u' ').toStdString());
        }
    }
    EXPECT_EQ(numberLines, std::vector<std::string>{"1 5"});
}

// Any names of Hebrew words, English words and numbers, with blanks and signs between them.
// (Where a number touches an English word, "3R", the rules of mixed directions can set a Hebrew
// word between the two on the page, as on the screen: the name cannot read back as one word.)
TEST_F(PrintedTextTest, RandomNamesReadBackWordForWord)
{
    const QString parts[] = {QStringLiteral("אבגדהוזחטיכלמנסעפצקרשתםןץףך"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
                             QStringLiteral("0123456789")};
    const QString signs = QStringLiteral("  -/.,()'#");
    std::mt19937 random(20261211);
    auto pick = [&](const QString& from, int most) {
        QString s;
        for (int i = std::uniform_int_distribution<int>(1, most)(random); i > 0; --i)
            s += from[std::uniform_int_distribution<int>(0, int(from.size()) - 1)(random)];
        return s;
    };
    auto name = [&] {
        QString s = pick(signs, 2).trimmed();
        for (int i = std::uniform_int_distribution<int>(1, 3)(random); i > 0; --i)
            s += pick(parts[std::uniform_int_distribution<int>(0, 2)(random)], 5) + pick(signs, 2);
        return s.left(16);
    };
    for (int round = 0; round < 2; ++round) {
        for (int16_t lang : {1, 2}) {
            Language(lang);
            FillSampleProject();
            for (int a = 1; a <= MaxAddress; ++a)
                if (DeviceDataArray[a].Exist.str() == "1") DeviceDataArray[a].DeviceName = name();
            for (int g = 1; g <= MaxGroups; ++g) OutGrpArray[g].GrpName = name();
            ExpectEveryPrintoutReadsBack(lang, QStringLiteral("-round%1").arg(round), 1);
        }
    }
}

}  // namespace

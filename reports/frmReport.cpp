#include "reports/frmReport.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include "core/DataModel.h"
#include "core/Message.h"
#include "platform/Controls.h"
#include "platform/Printer.h"
#include "platform/TextColumns.h"
#include "platform/TextFile.h"
#include "platform/Ui.h"
#include "reports/ReportFrameTexts.h"

namespace {

// Draws a report line in its tab columns, each field in a rectangle of its own, as the printout
// lays it out: in the list's direction (a Hebrew report from the right edge, an English one from
// the left), so that a line mixing the scripts reads in order and its columns line up.
class ReportLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem bare = option;
        initStyleOption(&bare, index);
        const QString line = bare.text;
        bare.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style) style->drawControl(QStyle::CE_ItemViewItem, &bare, painter, widget);
        painter->save();
        painter->setFont(option.font);
        const bool selected = option.state & QStyle::State_Selected;
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const bool rightToLeft = option.direction == Qt::RightToLeft;
        const QRectF place = QRectF(option.rect).adjusted(rightToLeft ? 0 : Margin, 0, rightToLeft ? -Margin : 0, 0);
        TextColumns::DrawRow(*painter, TextColumns::Cells(line), rightToLeft, place, CellWidth(option.font));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QFontMetricsF metrics(option.font);
        const int width = TextColumns::Width(TextColumns::Cells(index.data().toString()));
        return QSize(int(width * CellWidth(option.font)) + 3 * Margin, int(metrics.lineSpacing()) + 1);
    }

private:
    static constexpr int Margin = 2;  // between the list's edge and a line's first column
    static double CellWidth(const QFont& f) { return QFontMetricsF(f).horizontalAdvance(QLatin1Char('M')); }
};

QFont Arial(double points, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QPushButton* Button(QWidget* parent, const QString& name, int left, int width)
{
    QPushButton* b = Controls::Button(parent, name, left, 0, width, 30);
    b->setFont(Arial(12, true));
    return b;
}

// A caption wider than its button (where a wider font stands in for Arial) gets a smaller size,
// so that none of it is cut.
void FitCaption(QPushButton* b)
{
    QFont f = Arial(12, true);
    QStyleOptionButton option;
    option.initFrom(b);
    const int room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width() - 4;
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(b->text()) > room) f.setPointSizeF(f.pointSizeF() - 0.25);
    b->setFont(f);
}

}  // namespace

frmReport::frmReport(ReportWindow window, QWidget* parent) : AskingDialog(parent), model_(ReportModel::Make(window))
{
    Label2 = Controls::Label(this, QStringLiteral("Label2"), 5, 5, 890, 20);
    Label2->setFont(Arial(9.75, false));

    NewList = Controls::Make<QListWidget>(this, QStringLiteral("NewList"));
    NewList->setFont(Printer::ReportFont(ReportFrameTexts::ListPoints(window)));
    NewList->setUniformItemSizes(true);
    NewList->setItemDelegate(new ReportLineDelegate(NewList));

    Command1 = Button(this, QStringLiteral("Command1"), 5, 89);
    saveLogCmd = Button(this, QStringLiteral("saveLogCmd"), 94, 178);
    prnCmd = Button(this, QStringLiteral("prnCmd"), 272, 178);
    ExitCmd = Button(this, QStringLiteral("ExitCmd"), 450, 178);
    Koteret = Controls::Label(this, QStringLiteral("Koteret"), 628, 0, 267, 30);
    Koteret->setFont(Arial(ReportFrameTexts::KoteretPoints(window), true));

    connect(Command1, &QPushButton::clicked, this, &frmReport::Command1_Click);
    connect(saveLogCmd, &QPushButton::clicked, this, &frmReport::saveLogCmd_Click);
    connect(prnCmd, &QPushButton::clicked, this, &frmReport::prnCmd_Click);
    connect(ExitCmd, &QPushButton::clicked, this, &frmReport::ExitCmd_Click);

    Form_Load();
}

frmReport::~frmReport() = default;

void frmReport::Form_Load()
{
    using namespace ReportFrameTexts;
    lang_ = UILanguage;
    const ReportWindow window = model_->window();
    const WindowTexts texts = TextsOf(window, lang_);
    setWindowTitle(Caption(window, lang_, MaxNumOfDevices));
    // Right-to-left reading: the label reads from the right edge.
    Label2->setAlignment(Qt::AlignVCenter | (texts.label2RightToLeft ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft));
    Label2->setText(texts.label2);
    // The lines read as the printout does: a Hebrew report from the right edge.
    NewList->setLayoutDirection(lang_ == 1 ? Qt::RightToLeft : Qt::LeftToRight);
    const Buttons buttons = ButtonTexts(lang_);
    Command1->setText(buttons.excel);
    saveLogCmd->setText(buttons.save);
    prnCmd->setText(buttons.print);
    ExitCmd->setText(buttons.exit);
    for (QPushButton* b : {Command1, saveLogCmd, prnCmd, ExitCmd}) FitCaption(b);
    Koteret->setAlignment(Qt::AlignVCenter | Qt::AlignAbsolute | (lang_ == 1 ? Qt::AlignRight : Qt::AlignLeft));
    Koteret->setText(texts.koteret);

    const Sizes sizes = SizesOf(SmallDisplay);
    setFixedSize(900, sizes.windowHeight);
    NewList->setGeometry(5, 35, 890, sizes.listHeight);
    for (QWidget* w : {static_cast<QWidget*>(Command1), static_cast<QWidget*>(saveLogCmd),
                       static_cast<QWidget*>(prnCmd), static_cast<QWidget*>(ExitCmd), static_cast<QWidget*>(Koteret)})
        w->move(w->x(), sizes.rowTop);
}

void frmReport::Form_Activate()
{
    const QStringList lines = model_->Activate(lang_, Regional::Now());
    NewList->setUpdatesEnabled(false);
    NewList->clear();
    NewList->addItems(lines);
    NewList->setUpdatesEnabled(true);
    TxtFilePath = model_->ReportPath();
}

void frmReport::filePrint() {}

bool frmReport::printTxtFile(const QString& path)
{
    TextFile::Error error;
    const std::optional<QStringList> lines = TextFile::ReadLines(path, &error);
    if (!lines) {
        ShowMessage(ReportFrameTexts::PrintFailed(lang_, path + QLatin1Char('\r') + error.message));
        return false;
    }
    // The whole printout in the report's language direction, so that its columns line up also
    // where a name is in the other script.
    const Printer::Result result = Printer::PrintLines(
        *lines, QFileInfo(path).fileName(), lang_ == 1 ? Qt::RightToLeft : Qt::LeftToRight, this);
    if (result.status == Printer::Status::Failed) ShowMessage(ReportFrameTexts::PrintFailed(lang_, result.where));
    return result.status == Printer::Status::Printed;
}

bool frmReport::saveTxtFile()
{
    TextFile::Error error;
    if (TextFile::WriteLines(TxtFilePath, model_->FileLines(lang_, Regional::Now()), &error)) return true;
    ShowMessage(ReportFrameTexts::WriteFailed(lang_, TxtFilePath, error.message));
    return false;
}

void frmReport::prnCmd_Click()
{
    // The file is printed as just written; a file that could not be written is not printed.
    if (saveTxtFile()) printTxtFile(TxtFilePath);
}

void frmReport::saveLogCmd_Click()
{
    if (saveTxtFile()) ShowMessage(ReportFrameTexts::Saved(lang_));
}

void frmReport::Command1_Click()
{
    const QString path = model_->ExportPath();
    TextFile::Error error;
    if (!TextFile::WriteLines(path, model_->ExportLines(Regional::Now()), &error))
        ShowMessage(ReportFrameTexts::WriteFailed(lang_, path, error.message));
}

void frmReport::ExitCmd_Click() { close(); }

bool frmReport::Form_QueryUnload()
{
    switch (ShowMessage(ReportFrameTexts::SaveQuestion(model_->window(), lang_))) {
    case Ui::vbYes:
        return !saveTxtFile();  // a report that could not be saved keeps the window open
    case Ui::vbNo:
        return false;
    default:
        return true;
    }
}

void frmReport::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    ResetClosing();
    Form_Activate();
}


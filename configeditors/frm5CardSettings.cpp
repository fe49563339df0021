#include "configeditors/frm5CardSettings.h"

#include <functional>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "configeditors/CardSettingsTexts.h"
#include "core/DataModel.h"
#include "platform/Controls.h"
#include "platform/ClickLabel.h"
#include "platform/Ui.h"
#include "platform/VbColor.h"

using namespace CardSettings;

namespace {

QRect Pixels(const Rect& r) { return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)}; }

// A rectangle with curved corners, filled in its back colour, behind a section's controls.
class RoundShape : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(palette().color(QPalette::Window));
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    }
};

// A combo box that says when its list is about to drop down.
class DropDownCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<void()> onDropDown;

protected:
    void showPopup() override
    {
        if (onDropDown) onDropDown();
        QComboBox::showPopup();
    }
};

using Controls::Make;

QString OptionName(const QString& pair, int k) { return pair + QString::number(k); }

// An option's text colour; a locked option greys its text whatever its colour.
void SetOptionFore(QRadioButton* option, uint32_t fore)
{
    VbColor::SetForeColor(option, fore);
    QPalette p = option->palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, VbColor::ToQColor(0x808080));
    option->setPalette(p);
}

}  // namespace

frm5CardSettings::frm5CardSettings(QWidget* parent)
    : AskingDialog(parent), previousDirection_(QApplication::layoutDirection())
{
    setObjectName(QStringLiteral("frm5CardSettings"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    BuildControls();
    Form_Load();
}

frm5CardSettings::~frm5CardSettings() { QApplication::setLayoutDirection(previousDirection_); }

void frm5CardSettings::BuildControls()
{
    for (const SectionInfo& s : Sections()) BuildSection(s);
    BuildHiddenContent();
    BuildStrip();
    ApplyDesignCaptions();
    Option(SysFlagsSlave, 1)->setToolTip(CardSettingsTexts::ReverseRelayHint);
    for (const PairInfo& info : Pairs())
        for (int k = 0; k <= 1; ++k)
            connect(options_[info.pair][k], &QRadioButton::toggled, this, [this, p = info.pair, k](bool on) {
                if (on) OnOff_Click(p, k);
            });
}

void frm5CardSettings::BuildSection(const SectionInfo& s)
{
    auto* outer = Make<QFrame>(this, QString::fromLatin1(s.frame), Pixels(s.place));
    sections_[size_t(s.id)] = outer;
    auto* shape = Make<RoundShape>(outer, QString::fromLatin1(s.shape), Pixels(ShapeRect(s)));
    VbColor::SetBackColor(shape, s.colour);
    shape->setAutoFillBackground(false);  // only the rounded rectangle is filled
    if (s.label) {
        auto* title = Make<QLabel>(outer, QString::fromLatin1(s.label), Pixels(TitleRect(s)));
        title->setAlignment(Qt::AlignCenter);
        QFont bold = title->font();
        bold.setBold(true);
        bold.setPixelSize(13);
        title->setFont(bold);
        // Black reads badly on the loop's blue.
        VbColor::SetForeColor(title, s.id == Section::Loop ? Colour::White : Colour::Black);
    }
    for (int i = 0; i < s.innerCount; ++i) {
        QGroupBox* frame = BuildInnerFrame(outer, s, i);
        for (const PairInfo& info : Pairs())
            if (frame->objectName() == QLatin1String(info.innerFrame))
                options_[info.pair] = BuildPair(frame, s, QString::fromLatin1(info.name));
    }
}

QGroupBox* frm5CardSettings::BuildInnerFrame(QFrame* outer, const SectionInfo& s, int i)
{
    auto* frame = Make<QGroupBox>(outer, QString::fromLatin1(s.inner[size_t(i)]), Pixels(InnerFrameRect(s, i)));
    VbColor::SetBackColor(frame, s.colour);
    VbColor::SetForeColor(frame, s.id == Section::Loop ? Colour::White : Colour::Black);
    return frame;
}

std::array<QRadioButton*, 2> frm5CardSettings::BuildPair(QGroupBox* frame, const SectionInfo& s, const QString& name)
{
    std::array<QRadioButton*, 2> pair{};
    for (int k = 0; k <= 1; ++k) {
        pair[k] = Make<QRadioButton>(frame, OptionName(name, k), Pixels(OptionRect(s, k, false)));
        VbColor::SetBackColor(pair[k], s.colour);
        SetOptionFore(pair[k], Colour::Black);
    }
    return pair;
}

void frm5CardSettings::BuildHiddenContent()
{
    auto frame = [this](const char* name) { return findChild<QGroupBox*>(QString::fromLatin1(name)); };
    SysFlagsResetWithCod = BuildPair(frame("FrameResetTop"), Of(Section::Reset), QStringLiteral("SysFlagsResetWithCod"));
    SysFlags2VrstDly = BuildPair(frame("FrameVRSTTop"), Of(Section::VRST), QStringLiteral("SysFlags2VrstDly"));
    SysFlags2NightEna = BuildPair(frame("FrameDayNightTop"), Of(Section::DayNight), QStringLiteral("SysFlags2NightEna"));

    // Hour and minute of the night's start and finish, each with its label.
    auto time = [&](const char* inner, const char* combo, const char* label, int left) {
        auto* box = Make<QComboBox>(frame(inner), QString::fromLatin1(combo), Pixels({left, 300, 900, 330}));
        Make<QLabel>(frame(inner), QString::fromLatin1(label), Pixels({left + 960, 300, 700, 330}));
        return box;
    };
    StartHour = time("FrameDayNightMid", "StartHour", "LabelStartHour", 240);
    StartMinute = time("FrameDayNightMid", "StartMinute", "LabelStartMinute", 2040);
    FinishHour = time("FrameDayNightBot", "FinishHour", "LabelFinishHour", 240);
    FinishMinute = time("FrameDayNightBot", "FinishMinute", "LabelFinishMinute", 2040);

    auto* number = Make<DropDownCombo>(frame("Frame2NumOfSys"), QStringLiteral("NumOfSys"), Pixels({1500, 300, 1000, 330}));
    number->setEditable(true);
    number->onDropDown = [this] { NumOfSys_DropDown(); };
    NumOfSys = number;
}

void frm5CardSettings::BuildStrip()
{
    Picture1 = Make<QFrame>(this, QStringLiteral("Picture1"), Pixels(StripRect(false)));
    VbColor::SetBackColor(Picture1, Colour::Strip);
    auto button = [this](const char* name, const Rect& place, uint32_t colour) {
        auto* b = Make<QPushButton>(Picture1, QString::fromLatin1(name), Pixels(place));
        b->setAutoDefault(false);
        VbColor::SetBackColor(b, colour);
        VbColor::SetForeColor(b, Colour::Black);
        return b;
    };
    Command2 = button("Command2", OkRect(), Colour::Ok);
    Command1 = button("Command1", CancelRect(), Colour::Cancel);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    for (int i = 1; i <= 2; ++i) {
        LnguageLbl[i] = Make<ClickLabel>(Picture1, QStringLiteral("LnguageLbl%1").arg(i), Pixels(LanguageLabelRect(i)));
        VbColor::SetForeColor(LnguageLbl[i], Colour::White);
        connect(LnguageLbl[i], &ClickLabel::clicked, this, [this, i] { LnguageLbl_Click(i); });
    }
}

// Captions that do not change with the language.
void frm5CardSettings::ApplyDesignCaptions()
{
    for (const CardSettingsTexts::FixedCaption& c : CardSettingsTexts::DesignCaptions()) {
        const QString name = c.option < 0 ? c.control : OptionName(c.control, c.option);
        Controls::SetCaption(findChild<QWidget*>(name), c.text);
    }
}

void frm5CardSettings::SetLanguage(int16_t lang)
{
    if (lang != 1 && lang != 2) return;
    for (const CardSettingsTexts::Caption& c : CardSettingsTexts::CaptionTable()) {
        const QString text = *CardSettingsTexts::CaptionOf(c.control, c.option, lang);
        if (c.control == CardSettingsTexts::WindowTitle) {
            setWindowTitle(text);
            continue;
        }
        Controls::SetCaption(findChild<QWidget*>(c.option < 0 ? c.control : OptionName(c.control, c.option)), text);
    }
}

void frm5CardSettings::Form_Load()
{
    SetLanguage(UILanguage);
    const bool rightToLeft = UILanguage == 1;
    const Qt::LayoutDirection direction = rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
    setLayoutDirection(direction);
    // Option and frame captions take their reading order from the application's direction.
    QApplication::setLayoutDirection(direction);
    PlaceOptions(rightToLeft);

    // The small layout drops the bottom row of sections; the strip stays along the bottom edge.
    setFixedSize(Px(ClientWidth), Px(ClientHeight(SmallDisplay)));
    Picture1->setGeometry(Pixels(StripRect(SmallDisplay)));
    for (const SectionInfo& s : Sections()) {
        SectionFrame(s.id)->setVisible(!(SmallDisplay && s.bottomRow));
        if (!s.hidden) continue;
        // The hidden sections show as empty silver boxes.
        if (s.label) findChild<QWidget*>(QString::fromLatin1(s.label))->hide();
        for (int i = 0; i < s.innerCount; ++i) findChild<QWidget*>(QString::fromLatin1(s.inner[size_t(i)]))->hide();
    }

    NumOfSys->setEnabled(false);
    VbColor::SetForeColor(findChild<QWidget*>(QStringLiteral("Frame2NumOfSys")), Colour::NumOfSysCaption);
    NumOfSys->setEditText(::NumOfSys.str());

    SysFlagsResetWithCod[size_t(IndexOfStored(SysFlags.ResetWithCod))]->setChecked(true);
    model_.Load();
    ShowModel();
}

void frm5CardSettings::PlaceOptions(bool rightToLeft)
{
    for (const PairInfo& info : Pairs())
        for (int k = 0; k <= 1; ++k) options_[info.pair][k]->setGeometry(Pixels(OptionRect(Of(info.section), k, rightToLeft)));
}

void frm5CardSettings::OnOff_Click(Pair p, int Index)
{
    if (showing_) return;
    model_.Choose(p, Index);
    ShowModel();
}

void frm5CardSettings::ShowModel()
{
    showing_ = true;
    for (const PairInfo& info : Pairs()) {
        const int chosen = model_.Chosen(info.pair);
        for (int k = 0; k <= 1; ++k) {
            QRadioButton* option = options_[info.pair][k];
            if (k == chosen && !option->isChecked()) {
                const QSignalBlocker block(option);
                option->setChecked(true);
            }
            const OptionColours c = model_.Colours(info.pair, k);
            if (VbColor::BackColor(option) != c.back) VbColor::SetBackColor(option, c.back);
            if (VbColor::ForeColor(option) != c.fore) SetOptionFore(option, c.fore);
            option->setEnabled(model_.Enabled(info.pair));
        }
    }
    showing_ = false;
}

void frm5CardSettings::NumOfSys_DropDown()
{
    const QStringList list = PanelNumberList();
    for (int i = 0; i < list.size(); ++i) {
        if (i < NumOfSys->count()) NumOfSys->setItemText(i, list[i]);
        else NumOfSys->addItem(list[i]);
    }
}

void frm5CardSettings::Command1_Click() { close(); }
void frm5CardSettings::Command2_Click() { close(); }

bool frm5CardSettings::Form_QueryUnload()
{
    const int answer = ShowMessage(CardSettingsTexts::SaveQuestion(UILanguage));
    if (answer == Ui::vbYes) NumOfSys->setEditText(Fixed::NumOfSys);
    return !model_.Answer(answer);
}


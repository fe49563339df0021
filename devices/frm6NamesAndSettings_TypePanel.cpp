// The type panel's controls: built once, shown from the model after every step.
#include "devices/frm6NamesAndSettings_TypePanel.h"

#include <algorithm>

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

#include "core/DataModel.h"
#include "core/languages.h"
#include "devices/DeviceColors.h"
#include "devices/TypePanelLayout.h"
#include "platform/Controls.h"
#include "platform/VbColor.h"

using Controls::Px;
using TypePanelTable::Inputs;
using TypePanelTable::Outputs;

namespace {

// Edges, not sizes, are rounded: controls that meet in twips meet on screen, with no gap.
QRect Pixels(const QRect& twips)
{
    const int left = Px(twips.x()), top = Px(twips.y());
    return {left, top, Px(twips.x() + twips.width()) - left, Px(twips.y() + twips.height()) - top};
}

// The font at `points` and, when `need` of it is more than `room`, the largest smaller size at
// which it fits (not below 6 points): a caption is never cut.
template <typename Need>
QFont Fitted(QFont f, qreal points, bool bold, int room, Need need)
{
    f.setBold(bold);
    for (qreal p = points;; p -= 0.5) {
        f.setPointSizeF(p);
        if (p <= 6 || need(f) <= room) return f;
    }
}

QFont FittedLabel(const QFont& f, const QString& text, int width)
{
    return Fitted(f, f.pointSizeF(), f.bold(), width, [&](const QFont& g) { return QFontMetrics(g).horizontalAdvance(text); });
}

// A radio button with its caption in a font at `points` or smaller, as wide as the button: its
// circle, the spacing and the caption as the button's size hint reckons them.
QFont FittedOption(const QRadioButton* b, const QFont& f, const QString& text, qreal points, bool bold)
{
    return Fitted(f, points, bold, b->width(), [&](const QFont& g) {
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = text;
        o.fontMetrics = QFontMetrics(g);
        const QSize textSize = b->style()->itemTextRect(QFontMetrics(g), QRect(), Qt::TextShowMnemonic, false, text).size();
        return b->style()->sizeFromContents(QStyle::CT_RadioButton, &o, textSize, b).width();
    });
}

constexpr uint32_t kGreyedText = 0x808080;

// The rest of a type option's palette, once its colours are set: its disabled look. A type not
// offered is faded toward the frame's colour with a grey caption; any other disabled option
// shows its colours as they are.
void ShowLook(QWidget* w, uint32_t back, uint32_t fore, bool faded)
{
    QPalette p = w->palette();
    QColor backColor = VbColor::ToQColor(back), foreColor = VbColor::ToQColor(fore);
    if (faded) {
        const QColor frame = QApplication::palette().color(QPalette::Window);
        backColor = QColor((backColor.red() + frame.red()) / 2, (backColor.green() + frame.green()) / 2,
                           (backColor.blue() + frame.blue()) / 2);
        foreColor = VbColor::ToQColor(kGreyedText);
    }
    for (QPalette::ColorRole r : {QPalette::Button, QPalette::Window}) p.setColor(QPalette::Disabled, r, backColor);
    for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::ButtonText}) p.setColor(QPalette::Disabled, r, foreColor);
    if (p != w->palette()) w->setPalette(p);
}

// An option reacts to a click anywhere on it, not only on its circle and caption.
class PanelOption : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

QRadioButton* Radio(QWidget* parent, const QString& name)
{
    auto* b = new PanelOption(parent);
    b->setObjectName(name);
    // The model decides what is chosen; the buttons only show it.
    b->setAutoExclusive(false);
    b->hide();
    return b;
}

QFrame* Box(QWidget* parent, const QString& name)
{
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    return f;
}

void SetText(QLabel* l, const QString& t)
{
    if (l->text() != t) l->setText(t);
}

void ShowTypeOption(QRadioButton* b, const TypeOptionState& s, int group, int index)
{
    const TypePanelTable::TypeDef* t = TypePanelTable::FindType(TypePanelTable::TypeGroup(group), index);
    const QString caption = t ? *t->word : QString();
    if (b->text() != caption) b->setText(caption);
    b->setEnabled(s.enabled);
    b->setChecked(s.chosen);
    uint32_t back = DeviceColors::Grey;
    if (s.back == TypeBack::White) back = DeviceColors::White;
    if (s.back == TypeBack::TypeColour) back = DeviceColorChoose(group, index).value_or(0);
    if (!VbColor::HasBackColor(b, back)) VbColor::SetBackColor(b, back);
    const uint32_t fore = s.whiteText ? DeviceColors::White : DeviceColors::Black;
    if (VbColor::ForeColor(b) != fore) VbColor::SetForeColor(b, fore);
    ShowLook(b, back, fore, s.faded);
    const QFont f = FittedOption(b, b->font(), caption, s.fontSize, s.bold);
    if (b->font() != f) b->setFont(f);
    b->show();
}

}  // namespace

TypePanelControls::TypePanelControls(QFrame* picture3, TypePanel& model)
    : Picture3(picture3), model_(model)
{
    Build();
}

template <typename F>
void TypePanelControls::Forward(F step)
{
    step();
    Show();
}

void TypePanelControls::Build()
{
    using Controls::Button;
    using Controls::EventHook;
    using Controls::Make;
    QWidget* p = Picture3;
    Frame2 = Make<QGroupBox>(p, QStringLiteral("Frame2"), 0, 0, 10, 10);
    Frame3 = Make<QGroupBox>(p, QStringLiteral("Frame3"), 0, 0, 10, 10);
    // A double click on a type option chooses that type and stores the panel, as OK does.
    const auto doubleClick = [this](QRadioButton* b, TypePanelTable::TypeGroup group, int i) {
        b->installEventFilter(new EventHook(b, [this, group, i](QObject* o, QEvent* e) {
            if (e->type() != QEvent::MouseButtonDblClick || !static_cast<QWidget*>(o)->isEnabled()) return false;
            Forward([&] { model_.ChooseType(group, i); });
            Command12->click();
            return true;
        }));
    };
    for (int i = 0; i <= 11; ++i) {
        Option1[size_t(i)] = Radio(Frame2, QStringLiteral("Option1_%1").arg(i));
        if (i == 0) continue;
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] { Forward([&] { model_.ChooseType(Inputs, i); }); });
        doubleClick(Option1[size_t(i)], Inputs, i);
    }
    for (int i = 0; i <= 4; ++i) {
        Option2[size_t(i)] = Radio(Frame3, QStringLiteral("Option2_%1").arg(i));
        if (i == 0) continue;
        connect(Option2[size_t(i)], &QRadioButton::clicked, this, [this, i] { Forward([&] { model_.ChooseType(Outputs, i); }); });
        doubleClick(Option2[size_t(i)], Outputs, i);
    }
    for (int f = 1; f <= 5; ++f) {
        SettingsFrame[size_t(f)] = Make<QGroupBox>(p, QStringLiteral("Frame%1").arg(f + 3), 0, 0, 10, 10);
        // The options share a narrow row (thirteen temperatures): the designer's small font.
        QFont small = SettingsFrame[size_t(f)]->font();
        small.setPointSizeF(8.25);
        optionFont_ = small;
        SettingsOption[size_t(f)].push_back(Radio(SettingsFrame[size_t(f)], QStringLiteral("Option%1_0").arg(f + 2)));
    }
    Label10 = Make<QLabel>(p, QStringLiteral("Label10"), 0, 0, 10, 10);
    Label9 = Make<QLabel>(p, QStringLiteral("Label9"), 0, 0, 10, 10);
    Label19 = Make<QLabel>(p, QStringLiteral("Label19"), 0, 0, 10, 10);
    // The model line lies on the bottom box's top edge: it hides the edge behind its text, as a
    // frame's caption does, instead of being struck through by it.
    Label19->setAutoFillBackground(true);
    Label19->setIndent(4);
    headingFont_ = Label9->font();
    Text12 = Make<QLineEdit>(p, QStringLiteral("Text12"), 0, 0, 10, 10);
    Text12->setMaxLength(16);
    Shape9 = Box(p, QStringLiteral("Shape9"));
    Shape8 = Box(p, QStringLiteral("Shape8"));
    Shape10 = Box(p, QStringLiteral("Shape10"));
    Command12 = Button(p, QStringLiteral("Command12"), 0, 0, 10, 10);
    Command13 = Button(p, QStringLiteral("Command13"), 0, 0, 10, 10);
    Command16 = Button(p, QStringLiteral("Command16"), 0, 0, 10, 10, QStringLiteral("<"));
    Command15 = Button(p, QStringLiteral("Command15"), 0, 0, 10, 10, QStringLiteral(">"));

    connect(Text12, &QLineEdit::textEdited, this, [this](const QString& t) { model_.SetName(t); });
    // Text12_GotFocus selects the whole name; Text12_LostFocus checks it. A box shown by the
    // check itself, or a switch to another window, is no leaving.
    auto* focus = new EventHook(this, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::FocusIn && e->type() != QEvent::FocusOut) return false;
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason || checkingName_) return false;
        if (e->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, Text12, [this] { Text12->selectAll(); });
        } else if (model_.Shown()) {
            checkingName_ = true;
            model_.CheckName();
            checkingName_ = false;
            Show();
        }
        return false;
    });
    Text12->installEventFilter(focus);
    connect(Command12, &QPushButton::clicked, this, [this] { Forward([this] { model_.Apply(); }); });
    connect(Command13, &QPushButton::clicked, this, [this] { Forward([this] { model_.Cancel(); }); });
    connect(Command15, &QPushButton::clicked, this, [this] { Forward([this] { model_.Next(); }); });
    connect(Command16, &QPushButton::clicked, this, [this] { Forward([this] { model_.Previous(); }); });
    Layout();
}

void TypePanelControls::Layout()
{
    namespace L = TypePanelLayout;
    small_ = SmallDisplay;
    const bool s = small_;
    Frame2->setGeometry(Pixels(L::InputTypes(s)));
    Frame3->setGeometry(Pixels(L::OutputTypes(s)));
    const QRect in = L::InputTypes(s), out = L::OutputTypes(s);
    // Element 0 lies one slice above the frame's top, out of sight.
    for (int i = 0; i <= 11; ++i) Option1[size_t(i)]->setGeometry(Pixels(L::TypeOption(in, i, 11)));
    for (int i = 0; i <= 4; ++i) Option2[size_t(i)]->setGeometry(Pixels(L::TypeOption(out, i, 4)));
    for (int f = 1; f <= 5; ++f) SettingsFrame[size_t(f)]->setGeometry(Pixels(L::SettingsFrame(f, s)));
    Label10->setGeometry(Pixels(L::Note()));
    Label9->setGeometry(Pixels(L::Heading()));
    Text12->setGeometry(Pixels(L::NameBox()));
    Label19->setGeometry(Pixels(L::ModelLine(s)));
    Shape9->setGeometry(Pixels(L::BottomBox(s)));
    Shape8->setGeometry(Pixels(L::OkBox(s)));
    Shape10->setGeometry(Pixels(L::CancelBox(s)));
    Command12->setGeometry(Pixels(L::Ok(s)));
    Command13->setGeometry(Pixels(L::Cancel(s)));
    Command16->setGeometry(Pixels(L::Previous()));
    Command15->setGeometry(Pixels(L::Next()));
    Label19->raise();
    Command16->raise();
    Command15->raise();
}

QRadioButton* TypePanelControls::SettingOption(int frame, int option)
{
    auto& v = SettingsOption[size_t(frame)];
    while (int(v.size()) <= option) {
        const int k = int(v.size());
        QRadioButton* b = Radio(SettingsFrame[size_t(frame)], QStringLiteral("Option%1_%2").arg(frame + 2).arg(k));
        // Up to thirteen temperatures share one row.
        b->setStyle(Controls::OptionRowStyle());
        b->setFont(optionFont_);
        connect(b, &QRadioButton::clicked, this, [this, frame, k] { Forward([&] { model_.ChooseSetting(frame, k); }); });
        v.push_back(b);
    }
    return v[size_t(option)];
}

void TypePanelControls::Show()
{
    if (!model_.Shown()) {
        Picture3->hide();
        CoverWindow(false);
        return;
    }
    if (small_ != SmallDisplay) Layout();
    ShowHeading();
    {
        const QString& t = model_.Note();
        const QFont f = FittedLabel(headingFont_, t, Label10->contentsRect().width() - 2);
        if (Label10->font() != f) Label10->setFont(f);
        SetText(Label10, t);
    }
    SetText(Label19, model_.ModelLine());
    {
        // As wide and as high as its text, within its place and centred on its height, so that it
        // hides no more than the box edge behind it (the small layout's last frame ends just above).
        const QRect place = Pixels(TypePanelLayout::ModelLine(small_));
        const QString& t = model_.ModelLine();
        const QFontMetrics fm = Label19->fontMetrics();
        const int w = t.isEmpty() ? 0 : std::min(place.width(), fm.horizontalAdvance(t) + 2 * Label19->indent() + 2);
        const int h = std::min(place.height(), fm.height());
        Label19->setGeometry(place.x(), place.y() + (place.height() - h) / 2, w, h);
        Label19->setVisible(w > 0);
    }
    if (Text12->text() != model_.Name()) Text12->setText(model_.Name());
    const Qt::LayoutDirection direction = UILanguage == 1 ? Qt::RightToLeft : Qt::LeftToRight;
    for (QWidget* w : std::initializer_list<QWidget*>{Text12, Label9, Label10}) w->setLayoutDirection(direction);
    Command12->setText(WordOK);
    Command13->setText(WordCancel);
    Command15->setVisible(model_.StepButtonsShown());
    Command16->setVisible(model_.StepButtonsShown());
    ShowTypes();
    ShowFrames();
    Picture3->show();
    Picture3->raise();
    CoverWindow(true);
}

// The previous and next buttons lie on the heading's two ends: its text keeps clear of them.
void TypePanelControls::ShowHeading()
{
    const int margin = model_.StepButtonsShown() ? Command16->width() + 2 : 0;
    if (Label9->contentsMargins().left() != margin) Label9->setContentsMargins(margin, 0, margin, 0);
    const QString& t = model_.Heading();
    const QFont f = FittedLabel(headingFont_, t, Label9->width() - 2 * margin - 2);
    if (Label9->font() != f) Label9->setFont(f);
    SetText(Label9, t);
}

// While the panel covers the window, what lies under it is out of reach of the keyboard as well
// as of the mouse: the name box takes the focus. Closing the panel gives back exactly what it
// took, the focus included.
void TypePanelControls::CoverWindow(bool cover)
{
    if (!cover) {
        for (const QPointer<QWidget>& w : covered_)
            if (w) w->setEnabled(true);
        covered_.clear();
        if (focusBefore_ && focusBefore_->isEnabled() && focusBefore_->isVisible()) focusBefore_->setFocus(Qt::OtherFocusReason);
        focusBefore_ = nullptr;
        return;
    }
    if (!covered_.empty()) return;
    QWidget* window = Picture3->parentWidget();
    QWidget* focus = window->focusWidget();
    focusBefore_ = focus && !Picture3->isAncestorOf(focus) ? focus : nullptr;
    for (QWidget* w : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w == Picture3 || w->isWindow() || w->testAttribute(Qt::WA_ForceDisabled)) continue;
        w->setEnabled(false);
        covered_.emplace_back(w);
    }
    Text12->setFocus(Qt::OtherFocusReason);
}

void TypePanelControls::ShowTypes()
{
    for (int i = 1; i <= 11; ++i) ShowTypeOption(Option1[size_t(i)], model_.TypeOption(Inputs, i), Inputs, i);
    for (int i = 1; i <= 4; ++i) ShowTypeOption(Option2[size_t(i)], model_.TypeOption(Outputs, i), Outputs, i);
}

void TypePanelControls::ShowFrames()
{
    // The rows of options read in the window's direction, as each option's circle and caption do.
    const bool rightToLeft = UILanguage == 1;
    for (int f = 1; f <= 5; ++f) {
        const SettingsFrameState& s = model_.Frame(f);
        QGroupBox* frame = SettingsFrame[size_t(f)];
        frame->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        if (frame->title() != s.caption) frame->setTitle(s.caption);
        const int n = int(s.options.size());
        // One size for the whole row, the one at which every caption fits.
        QFont font = optionFont_;
        for (int k = 1; k <= n; ++k) {
            const SettingOptionState& o = s.options[size_t(k - 1)];
            QRadioButton* b = SettingOption(f, k);
            b->setGeometry(Pixels(TypePanelLayout::SettingsOption(k, n, small_, rightToLeft)));
            if (b->text() != o.caption) b->setText(o.caption);
            font = FittedOption(b, font, o.caption, font.pointSizeF(), false);
        }
        for (int k = 1; k <= n; ++k) {
            const SettingOptionState& o = s.options[size_t(k - 1)];
            QRadioButton* b = SettingOption(f, k);
            if (b->font() != font) b->setFont(font);
            b->setEnabled(o.enabled);
            b->setChecked(o.selected);
            if (o.backColor) {
                if (!VbColor::HasBackColor(b, o.backColor)) VbColor::SetBackColor(b, o.backColor);
            } else {
                // The frame's own colour again after an option of another type was coloured.
                VbColor::ClearBackColor(b);
            }
            b->show();
        }
        for (size_t k = size_t(n) + 1; k < SettingsOption[size_t(f)].size(); ++k) SettingsOption[size_t(f)][k]->hide();
        frame->setVisible(s.def != nullptr);
    }
}

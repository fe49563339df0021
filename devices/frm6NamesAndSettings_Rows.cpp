// The devices window's rows: the grid and its layout, showing the model's row states, the row
// buttons and the name boxes.
#include <algorithm>

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "core/Conv.h"
#include "devices/DevicesPaging.h"
#include "devices/frm6NamesAndSettings.h"
#include "devices/frm6NamesAndSettings_Controls.h"
#include "platform/VbColor.h"

namespace {

constexpr int RowHeight = DevicesPaging::RowPitch;

// Left and width of each of the nine row controls.
struct Column {
    int left, width;
};
constexpr Column NumOfLineCol{0, 30}, ExistCol{40, 20}, EnableCol{30, 90}, FactoryCol{120, 130}, InOutCol{250, 50},
    ColourCol{300, 10}, SettingsCol{310, 70}, NameCol{380, 330}, DeleteCol{710, 70};

// The column headings Text1..Text9.
constexpr std::array<Column, 10> Headings{{{0, 0}, {0, 30}, {30, 30}, {30, 100}, {130, 120}, {250, 50}, {300, 10},
                                           {310, 70}, {380, 330}, {710, 70}}};

template <typename T>
T* RowControl(QWidget* canvas, const char* collection, int i, Column c)
{
    auto* w = new T(canvas);
    w->setObjectName(QLatin1String(collection) + QLatin1Char('_') + QString::number(i));
    w->setGeometry(c.left, RowHeight * (i - 1), c.width, RowHeight);
    return w;
}

QPushButton* RowButton(QWidget* canvas, const char* collection, int i, Column c)
{
    auto* b = RowControl<QPushButton>(canvas, collection, i, c);
    b->setAutoDefault(false);
    return b;
}

// Disabling the control that holds the focus would hand the focus to the next control of the
// window (and run its handlers); the focus is dropped instead.
void SetEnabled(QWidget* w, bool on)
{
    if (!on && w->hasFocus()) w->clearFocus();
    w->setEnabled(on);
}

}  // namespace

void frm6NamesAndSettings::FormCreate()
{
    const bool small = SmallDisplay;
    const int view = DevicesPaging::PageRows(small) * RowHeight;  // 375 or 500
    const int lower = 25 + view;                                   // top of the lower panels
    const int n = editor_.Count();

    Frame1->setGeometry(0, 25, 900, view);
    Picture6->setGeometry(456, lower, 442, 75);
    // On the small screen the map reaches under this panel with its hover texts: the buttons sit
    // lower and shorter there, and the texts show between them and the counter.
    for (QPushButton* b : {Command10, Command11, Command9, SaveBttn, ExitCmd})
        b->setGeometry(b->x(), small ? 48 : 26, b->width(), small ? 26 : 44);
    Picture7->setGeometry(0, lower, 452, 75);
    setFixedSize(900, lower + 75);
    Picture9->setGeometry(0, 0, Frame1->width(), Frame1->height());
    Picture1->setGeometry(0, 0, std::max(Picture9->width(), 900), std::max(view, RowHeight * n));
    // The four paging buttons share the viewport's height (93.75 or 125 pixels each).
    QPushButton* paging[] = {Command4, Command2, Command1, Command3};
    for (int k = 0; k < 4; ++k) {
        const int top = 25 + int(k * view / 4.0 + 0.5);
        const int bottom = 25 + int((k + 1) * view / 4.0 + 0.5);
        paging[k]->setGeometry(812, top, 80, bottom - top);
        paging[k]->raise();
    }
    VScroll1->setGeometry(792, 25, 20, view);
    VScroll1->raise();
    Picture3->setGeometry(0, 0, 900, lower + 75);
    Picture4->setGeometry(0, 0, 900, lower);
    Picture2->setGeometry(0, 0, 900, 525);

    for (int k = 1; k <= 9; ++k) HeadingBoxes[size_t(k)]->setGeometry(Headings[size_t(k)].left, 0, Headings[size_t(k)].width, 25);
    Text20->clear();

    // The canvas stays hidden while its rows are made; element 0 of each collection is the
    // template above the first row.
    Picture1->hide();
    NumOfLine.assign(size_t(n) + 1, nullptr);
    ExistDeviceYesNo.assign(size_t(n) + 1, nullptr);
    EnableDevice.assign(size_t(n) + 1, nullptr);
    FactoryName.assign(size_t(n) + 1, nullptr);
    InOROut.assign(size_t(n) + 1, nullptr);
    ColorOfDevice.assign(size_t(n) + 1, nullptr);
    DeviceSettings.assign(size_t(n) + 1, nullptr);
    NewName.assign(size_t(n) + 1, nullptr);
    DisableDevice.assign(size_t(n) + 1, nullptr);
    shown_.assign(size_t(n) + 1, std::nullopt);
    for (int i = 0; i <= n; ++i) BuildRow(i);
    Picture1->show();
}

void frm6NamesAndSettings::BuildRow(int i)
{
    QWidget* canvas = Picture1;
    QLabel* number = RowControl<QLabel>(canvas, "NumOfLine", i, NumOfLineCol);
    number->setAlignment(Qt::AlignCenter);
    auto* exist = RowControl<QCheckBox>(canvas, "ExistDeviceYesNo", i, ExistCol);
    exist->hide();  // a store of the row, never shown
    exist->setEnabled(false);
    QPushButton* enable = RowButton(canvas, "EnableDevice", i, EnableCol);
    auto* factory = RowControl<QLineEdit>(canvas, "FactoryName", i, FactoryCol);
    factory->setFont(frm6Controls::FactoryFont());
    factory->setAlignment(Qt::AlignCenter);
    factory->setMaxLength(16);
    auto* inOut = RowControl<QLabel>(canvas, "InOROut", i, InOutCol);
    inOut->setAlignment(Qt::AlignCenter);
    auto* colour = RowControl<QLabel>(canvas, "ColorOfDevice", i, ColourCol);
    QPushButton* settings = RowButton(canvas, "DeviceSettings", i, SettingsCol);
    auto* name = RowControl<RowNameBox>(canvas, "NewName", i, NameCol);
    name->setFont(frm6Controls::NameFont());
    name->setMaxLength(DevicesEditor::MaxNameLength);
    name->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    QPushButton* remove = RowButton(canvas, "DisableDevice", i, DeleteCol);

    NumOfLine[size_t(i)] = number;
    ExistDeviceYesNo[size_t(i)] = exist;
    EnableDevice[size_t(i)] = enable;
    FactoryName[size_t(i)] = factory;
    InOROut[size_t(i)] = inOut;
    ColorOfDevice[size_t(i)] = colour;
    DeviceSettings[size_t(i)] = settings;
    NewName[size_t(i)] = name;
    DisableDevice[size_t(i)] = remove;

    for (QWidget* w : std::initializer_list<QWidget*>{enable, factory, settings, name, remove, colour}) w->setEnabled(false);
    if (i == 0) {
        for (QWidget* w : std::initializer_list<QWidget*>{number, enable, factory, inOut, colour, settings, name, remove}) {
            w->hide();
            w->setEnabled(false);
        }
        return;
    }
    if (UILanguage == 1 || UILanguage == 2) {
        const Qt::LayoutDirection direction = UILanguage == 1 ? Qt::RightToLeft : Qt::LeftToRight;
        factory->setLayoutDirection(direction);
        name->setLayoutDirection(direction);
    }
    number->setText(Str(i));

    connect(enable, &QPushButton::clicked, this, [this, i] { EnableDevice_Click(i); });
    connect(settings, &QPushButton::clicked, this, [this, i] { DeviceSettings_Click(i); });
    connect(remove, &QPushButton::clicked, this, [this, i] { DisableDevice_Click(i); });
    // Whatever changes the box (typing, the other commands of the window) is the row's name.
    connect(name, &QLineEdit::textChanged, this, [this, i](const QString& text) {
        editor_.Row(i).nameText = text;
        if (shown_[size_t(i)]) shown_[size_t(i)]->nameText = text;
    });
    connect(name, &RowNameBox::gotFocus, this, [this, i](Qt::FocusReason reason) {
        if (rendering_) return;
        NewName_GotFocus(i);
        // A click places the caret after the box got the focus: select once it has.
        if (reason == Qt::MouseFocusReason) QMetaObject::invokeMethod(NewName[size_t(i)], &QLineEdit::selectAll, Qt::QueuedConnection);
    });
    connect(name, &RowNameBox::lostFocus, this, [this, i] {
        if (!rendering_) NewName_LostFocus(i);
    });
    connect(name, &RowNameBox::keyDown, this, [this, i](int keyCode, int shift, bool& handled) {
        handled = NewName_KeyDown(i, keyCode, shift);
    });
}

void frm6NamesAndSettings::ShowRow(int i)
{
    const DeviceRow& m = editor_.Row(i);
    std::optional<DeviceRow>& s = shown_[size_t(i)];
    const bool all = !s.has_value();
    const auto changed = [&](auto field) { return all || (*s).*field != m.*field; };
    const auto back = [&](QWidget* w, uint32_t DeviceRow::*field) {
        if (changed(field)) VbColor::SetBackColor(w, m.*field);
    };

    QLabel* number = NumOfLine[size_t(i)];
    if (changed(&DeviceRow::numberCaption)) number->setText(m.numberCaption);
    back(number, &DeviceRow::numberBack);
    if (changed(&DeviceRow::numberBold) || changed(&DeviceRow::numberPoints)) {
        number->setFont(frm6Controls::NumberFont(m.numberBold, m.numberPoints));
        if (m.numberBold) VbColor::SetForeColor(number, DeviceColors::Black);
    }
    if (changed(&DeviceRow::exist)) ExistDeviceYesNo[size_t(i)]->setChecked(m.exist);

    QPushButton* enable = EnableDevice[size_t(i)];
    if (changed(&DeviceRow::enableCaption)) enable->setText(m.enableCaption);
    if (changed(&DeviceRow::enableEnabled)) SetEnabled(enable, m.enableEnabled);
    back(enable, &DeviceRow::enableBack);

    QLineEdit* factory = FactoryName[size_t(i)];
    if (changed(&DeviceRow::factoryText)) factory->setText(m.factoryText);
    back(factory, &DeviceRow::factoryBack);

    QLabel* inOut = InOROut[size_t(i)];
    if (changed(&DeviceRow::inOutCaption)) inOut->setText(m.inOutCaption);
    back(inOut, &DeviceRow::inOutBack);
    back(ColorOfDevice[size_t(i)], &DeviceRow::colorBack);

    QPushButton* settings = DeviceSettings[size_t(i)];
    if (changed(&DeviceRow::settingsCaption)) settings->setText(m.settingsCaption);
    if (changed(&DeviceRow::settingsEnabled)) SetEnabled(settings, m.settingsEnabled);
    back(settings, &DeviceRow::settingsBack);

    RowNameBox* name = NewName[size_t(i)];
    if (name->text() != m.nameText) name->setText(m.nameText);
    if (changed(&DeviceRow::nameEnabled)) SetEnabled(name, m.nameEnabled);
    back(name, &DeviceRow::nameBack);

    QPushButton* remove = DisableDevice[size_t(i)];
    if (changed(&DeviceRow::deleteCaption)) remove->setText(m.deleteCaption);
    if (changed(&DeviceRow::deleteEnabled)) SetEnabled(remove, m.deleteEnabled);
    back(remove, &DeviceRow::deleteBack);
    if (changed(&DeviceRow::deleteHeight)) remove->resize(DeleteCol.width, m.deleteHeight);
    if (changed(&DeviceRow::deleteVisible)) remove->setVisible(m.deleteVisible);
    // A stretched button lies above the rows it covers.
    if (changed(&DeviceRow::deleteHeight) && m.deleteHeight > RowHeight) remove->raise();

    s = m;
}

void frm6NamesAndSettings::ShowRows()
{
    rendering_ = true;
    for (int i = 1; i < int(shown_.size()); ++i) ShowRow(i);
    Label3->setText(editor_.Label3());
    rendering_ = false;
}

void frm6NamesAndSettings::FormOrLineCreateFromVaribles(int first, int last)
{
    editor_.FormOrLineCreateFromVaribles(first, last);
    ShowRows();
}

void frm6NamesAndSettings::ResetLineOrAll(int first, int last)
{
    editor_.ResetLineOrAll(first, last);
    ShowRows();
}

void frm6NamesAndSettings::MarkCurrentLine(int line)
{
    editor_.MarkCurrentLine(line);
    ShowRows();
}

void frm6NamesAndSettings::DisableDevice_Click(int Index)
{
    // The row shows its mark while the question is asked.
    if (Index >= 1 && Index <= editor_.Count()) MarkCurrentLine(Index);
    const int focusRow = editor_.DisableDevice_Click(Index);
    ShowRows();
    if (focusRow > 0) NewName[size_t(focusRow)]->setFocus(Qt::OtherFocusReason);
}

void frm6NamesAndSettings::NewName_GotFocus(int Index)
{
    MarkCurrentLine(Index);
    KeepRowInView(Index);
    NewName[size_t(Index)]->selectAll();
}

void frm6NamesAndSettings::NewName_LostFocus(int Index)
{
    // The check's own message box takes the focus from the box again.
    if (inNameCheck_) return;
    inNameCheck_ = true;
    editor_.NewName_LostFocus(Index);
    ShowRows();
    inNameCheck_ = false;
}

bool frm6NamesAndSettings::NewName_KeyDown(int Index, int KeyCode, int Shift)
{
    const DevicesEditor::KeyEffect effect = editor_.NewName_KeyDown(Index, KeyCode, Shift);
    if (effect.textCopied) {
        ShowRows();
        RowNameBox* box = NewName[size_t(Index)];
        box->deselect();
        box->setCursorPosition(int(box->text().size()));
    }
    if (effect.focusRow > 0) NewName[size_t(effect.focusRow)]->setFocus(Qt::OtherFocusReason);
    return effect.handled;
}

// A name box that takes the focus is brought into the page, so the user sees what he types.
void frm6NamesAndSettings::KeepRowInView(int i)
{
    if (Frame1->isHidden()) return;  // not in the names view
    const int rowsAbove = -Picture1->y() / RowHeight;
    const int page = DevicesPaging::PageRows(SmallDisplay);
    if (i > rowsAbove && i <= rowsAbove + page) return;
    MoveTo(i <= rowsAbove ? (i - 1) * RowHeight : (i - page) * RowHeight);
}

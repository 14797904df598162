#include "window/main_form.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "generated/product.h"
#include "window/character_limit.h"
#include "window/description.h"
#include "window/form_style.h"
#include "window/form_zoom.h"
#include "window/hamburger_icon.h"
#include "window/lines_view.h"
#include "window/list_lines_model.h"

namespace banknotes {
namespace {

const QColor kWindowColour(192, 192, 255);
const QColor kLabelColour(255, 192, 128);
const QColor kMarkColour(128, 128, 255);
// Faces of "Чисти", "Въведи" and "Изведи", by button index.
const std::array<QColor, 3> kButtonColours = {QColor(255, 0, 0), QColor(0, 255, 0),
                                              QColor(0, 192, 0)};
const std::array<const char*, 3> kButtonCaptions = {"Чисти", "Въведи", "Изведи"};
// What each button does, for screen readers.
const std::array<const char*, 3> kButtonDescriptions = {
    "Изчиства всички полета, отметки и редове",
    "Изплаща сумата с минимален брой банкноти и я добавя към общата сума",
    "Извежда всички начини за разбиване на сумата с 20, 10, 5, 2 и 1"};

constexpr Twips kClientArea = {0, 0, 7785, 5850};

constexpr int RowTop(std::size_t k) { return 360 + 360 * static_cast<int>(k); }

// The text drawn on the window's own colours: black, as on the light desktop the
// layout was drawn on, whatever the desktop's palette says.
const QColor kTextColour(Qt::black);

// A fixed background brings its text colour with it: captions and focus marks in
// WindowText, button captions in ButtonText. The boxes and the list keep the
// desktop's own base and text.
void Paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  palette.setColor(QPalette::WindowText, kTextColour);
  palette.setColor(QPalette::ButtonText, kTextColour);
  widget->setPalette(palette);
  if (role == QPalette::Window) {
    widget->setBackgroundRole(QPalette::Window);  // a check box would fill with Button
    widget->setAutoFillBackground(true);
  }
}

QString Name(const char* kind, std::size_t index) {
  return QStringLiteral("%1_%2").arg(QLatin1String(kind)).arg(index);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text,
                  Qt::Alignment alignment, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(alignment | Qt::AlignTop);
  Paint(label, QPalette::Window, colour);
  return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QString& accessible_name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setAccessibleName(accessible_name);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

}  // namespace

MainForm::MainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromUtf8(product::kTitle));
  setWindowIcon(HamburgerIcon());
  zoom_ = new FormZoom(this, kClientArea);
  // The window's own background carries no text. Its text colour stays the
  // desktop's, for the scroll bars of the boxes and the list inside it.
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, kWindowColour);
  setPalette(palette);
  setAutoFillBackground(true);

  BuildControls();
  SetTabOrder();
  check1_[0]->setFocus();
}

void MainForm::BuildControls() {
  zoom_->Place(
      MakeLabel(this, Name("Label1", 0), QStringLiteral("Математика - точна сума, разбиване"),
                Qt::AlignHCenter, kLabelColour),
      {1560, 0, 4335, 375});

  frame1_ = new QGroupBox(QStringLiteral("Вид купюр"), this);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  zoom_->Place(frame1_, {120, 240, 1335, 3015});
  frame2_ = new QGroupBox(QStringLiteral("брой банкноти"), this);
  frame2_->setObjectName(QStringLiteral("Frame2"));
  zoom_->Place(frame2_, {6000, 240, 1695, 3015});
  for (QGroupBox* frame : {frame1_, frame2_}) Paint(frame, QPalette::Window, kWindowColour);

  for (std::size_t k = 0; k < kDenominations; ++k) {
    const QString denomination = QString::fromLatin1(kDenominationCaptions[k]);
    check1_[k] = new QCheckBox(denomination, frame1_);
    check1_[k]->setObjectName(Name("Check1", k));
    check1_[k]->setAccessibleName(QStringLiteral("Вид купюр ") + denomination);
    Paint(check1_[k], QPalette::Window, kMarkColour);
    zoom_->Place(check1_[k], {120, RowTop(k), 1095, 375});

    QLabel* label =
        zoom_->Place(MakeLabel(frame2_, Name("Label2", k), denomination + QStringLiteral("* "),
                               Qt::AlignRight, kMarkColour),
                     {120, RowTop(k), 615, 405});
    text2_[k] = zoom_->Place(
        MakeTextBox(frame2_, Name("Text2", k), QStringLiteral("брой банкноти ") + denomination),
        {720, RowTop(k), 735, 405});
    text2_[k]->setReadOnly(true);
    label->setBuddy(text2_[k]);
  }

  text1_ = new QPlainTextEdit(this);
  text1_->setObjectName(QStringLiteral("Text1"));
  text1_->setAccessibleName(QStringLiteral("Описание"));
  // The editor would turn each CR into a paragraph of its own; one break per line.
  text1_->setPlainText(
      QString::fromUtf8(kDescription).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  text1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text1_->setTabChangesFocus(true);
  zoom_->Place(text1_, {120, 3360, 7575, 2415});

  const std::array<QLabel*, 3> labels = {
      zoom_->Place(MakeLabel(this, Name("Label1", 1), QStringLiteral("Сума за плащане:"),
                             Qt::AlignHCenter, kLabelColour),
                   {1560, 480, 1815, 405}),
      zoom_->Place(MakeLabel(this, Name("Label1", 2), QStringLiteral("Обща сума:"),
                             Qt::AlignHCenter, kLabelColour),
                   {1560, 960, 1335, 405}),
      zoom_->Place(MakeLabel(this, Name("Label1", 3), QStringLiteral("Сума за разбиване:"),
                             Qt::AlignHCenter, kLabelColour),
                   {1560, 1440, 2175, 405})};

  text3_[kAmount] =
      zoom_->Place(MakeTextBox(this, Name("Text3", kAmount), QStringLiteral("Сума за плащане")),
                   {3360, 480, 975, 405});
  text3_[kAmount]->setValidator(new CharacterLimit(4, text3_[kAmount]));
  text3_[kTotal] =
      zoom_->Place(MakeTextBox(this, Name("Text3", kTotal), QStringLiteral("Обща сума")),
                   {2880, 960, 1455, 405});
  text3_[kTotal]->setReadOnly(true);
  text3_[kSum] =
      zoom_->Place(MakeTextBox(this, Name("Text3", kSum), QStringLiteral("Сума за разбиване")),
                   {3720, 1440, 615, 405});
  text3_[kSum]->setValidator(new CharacterLimit(2, text3_[kSum]));
  // Each box is labelled by the label before it, for screen readers.
  for (std::size_t i = 0; i < labels.size(); ++i) labels[i]->setBuddy(text3_[i]);

  const std::array<int, 3> button_tops = {960, 480, 1440};
  for (std::int16_t i = 0; i < 3; ++i) {
    auto* button = new QPushButton(QString::fromUtf8(kButtonCaptions[i]), this);
    button->setObjectName(Name("Command1", i));
    button->setAccessibleName(button->text());
    button->setAccessibleDescription(QString::fromUtf8(kButtonDescriptions[i]));
    // Enter presses the focused button, as Space does. Outside a dialog no button
    // ever becomes the window's default through this.
    button->setAutoDefault(true);
    Paint(button, QPalette::Button, kButtonColours[i]);
    zoom_->Place(button, {4920, button_tops[i], 975, 375});
    connect(button, &QPushButton::clicked, this, [this, i] { Click(i); });
    command1_[i] = button;
  }

  list1_ = new LinesView(this);
  list1_->setObjectName(Name("List1", kSplits));
  list_lines_ = new ListLinesModel(list1_);
  list1_->setModel(list_lines_);
  list1_->setAccessibleName(QStringLiteral("Начини на разбиване"));
  list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  zoom_->Place(list1_, {1560, 1800, 4335, 1485});
  // The sum box reaches a few pixels into the list; keep what the user types whole.
  text3_[kSum]->raise();
}

void MainForm::SetTabOrder() {
  // Tab indexes as the layout numbers them; labels and frames take no focus.
  std::vector<std::pair<int, QWidget*>> order = {{11, text1_},
                                                 {26, text3_[kAmount]},
                                                 {27, command1_[kClearButton]},
                                                 {28, command1_[kEnterButton]},
                                                 {29, text3_[kTotal]},
                                                 {31, command1_[kListButton]},
                                                 {32, text3_[kSum]},
                                                 {34, list1_}};
  for (std::size_t k = 0; k < kDenominations; ++k) {
    order.emplace_back(2 + static_cast<int>(k), check1_[k]);
    order.emplace_back(12 + 2 * static_cast<int>(k), text2_[k]);
  }
  std::sort(order.begin(), order.end());
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
}

FormState MainForm::ReadForm() const {
  FormState form;
  for (std::size_t i = 0; i < text3_.size(); ++i) form.Text3[i] = text3_[i]->text().toStdString();
  for (std::size_t k = 0; k < kDenominations; ++k) {
    form.Text2[k] = text2_[k]->text().toStdString();
    form.Check1[k].Caption = check1_[k]->text().toStdString();
    form.Check1[k].Value = check1_[k]->isChecked() ? 1 : 0;
  }
  form.List1[kSplits] = list_lines_->lines();
  return form;
}

void MainForm::WriteForm(const FormState& before, const FormState& after) {
  for (std::size_t i = 0; i < text3_.size(); ++i)
    if (after.Text3[i] != before.Text3[i])
      text3_[i]->setText(QString::fromStdString(after.Text3[i]));
  for (std::size_t k = 0; k < kDenominations; ++k) {
    if (after.Text2[k] != before.Text2[k])
      text2_[k]->setText(QString::fromStdString(after.Text2[k]));
    check1_[k]->setChecked(after.Check1[k].Value != 0);
  }
  // A list that was rewritten, even with the same lines, starts again at its top.
  if (!after.List1[kSplits].SharesLinesWith(before.List1[kSplits])) {
    list_lines_->Reset(after.List1[kSplits]);
    list1_->scrollToTop();
  }
}

Outcome MainForm::Click(std::int16_t index) {
  const FormState before = ReadForm();
  FormState after = before;
  const Outcome outcome = dispatch(after, index);
  if (outcome == Outcome::Success)
    WriteForm(before, after);
  else
    ReportFailure(outcome);
  return outcome;
}

void MainForm::ReportFailure(Outcome outcome) {
  const QString text =
      outcome == Outcome::DivisionByZero
          ? QStringLiteral("Деление на нула.\nНищо не е променено.")
          // Short lines that never wrap: the box keeps its shape at every zoom.
          : QStringLiteral("Препълване: числото е\nизвън допустимия обхват.\nНищо не е променено.");
  // Shown without a loop of its own: the click has ended, the form is as it was,
  // and the box keeps the window from input until it is closed.
  auto* box =
      new QMessageBox(QMessageBox::Warning, QStringLiteral("Грешка"), text, QMessageBox::Ok, this);
  box->setObjectName(QStringLiteral("FailureMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowIcon(windowIcon());
  box->open();
}

int MainForm::ZoomPercent() const { return zoom_->Percent(); }

}  // namespace banknotes

#include "platform/win32/user/qt_message_box.h"

#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <span>

#include "platform/win32/user/display_text.h"
#include "platform/win32/user/owned_dialog.h"

namespace {

struct ButtonLayout {
  int id;
  const char* text;
  const char* name;
};

constexpr ButtonLayout kOk{IDOK, QT_TRANSLATE_NOOP("Corvane", "OK"), "IDOK"};
constexpr ButtonLayout kCancel{IDCANCEL, QT_TRANSLATE_NOOP("Corvane", "Cancel"), "IDCANCEL"};
constexpr ButtonLayout kAbort{IDABORT, QT_TRANSLATE_NOOP("Corvane", "&Abort"), "IDABORT"};
constexpr ButtonLayout kRetry{IDRETRY, QT_TRANSLATE_NOOP("Corvane", "&Retry"), "IDRETRY"};
constexpr ButtonLayout kIgnore{IDIGNORE, QT_TRANSLATE_NOOP("Corvane", "&Ignore"), "IDIGNORE"};
constexpr ButtonLayout kYes{IDYES, QT_TRANSLATE_NOOP("Corvane", "&Yes"), "IDYES"};
constexpr ButtonLayout kNo{IDNO, QT_TRANSLATE_NOOP("Corvane", "&No"), "IDNO"};

// How each button looks; the box type says which buttons there are.
const ButtonLayout& LayoutOf(int id) {
  static constexpr ButtonLayout kLayouts[] = {kOk, kCancel, kAbort, kRetry, kIgnore, kYes, kNo};
  for (const ButtonLayout& layout : kLayouts) {
    if (layout.id == id) return layout;
  }
  return kLayouts[0];
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// Esc and the close box answer Cancel when the box has one and OK when OK is
// its only button; any other box can only be closed with one of its buttons.
int EscapeAnswerOf(UINT type) {
  const std::span<const int> buttons = MessageBoxButtons(type);
  for (const int button : buttons) {
    if (button == IDCANCEL) return IDCANCEL;
  }
  return buttons.size() == 1 ? buttons[0] : 0;
}

// A QMessageBox whose Esc key and close box follow the Windows rule above
// instead of Qt's guess at an escape button.
class WindowsMessageBox final : public QMessageBox {
 public:
  WindowsMessageBox(QWidget* parent, const char* text, const char* caption, UINT type)
      : QMessageBox(parent), m_escapeAnswer(EscapeAnswerOf(type)) {
    setWindowTitle(DisplayText(caption ? caption : QT_TRANSLATE_NOOP("Corvane", "Error")));
    setTextFormat(Qt::PlainText);
    setText(DisplayText(
        QString::fromUtf8(text ? text : "").replace(QStringLiteral("\r\n"), QStringLiteral("\n"))));
    setIcon(IconOf(type));
    AddButtons(type);
    if (m_escapeAnswer == 0) {
      setWindowFlags((windowFlags() & ~Qt::WindowCloseButtonHint) | Qt::CustomizeWindowHint |
                     Qt::WindowTitleHint);
    }
  }

  // The button that closed the box, or 0 while none has.
  int Answer() const { return m_answer; }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Cancel)) {
      event->accept();
      ClickEscapeButton();
    } else {
      QMessageBox::keyPressEvent(event);
    }
  }

  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // the button's click closes the box, with its answer
    ClickEscapeButton();
  }

 private:
  void AddButtons(UINT type) {
    const int defaultAnswer = DefaultMessageBoxAnswer(type);
    for (const int id : MessageBoxButtons(type)) {
      const ButtonLayout& layout = LayoutOf(id);
      auto* button = new QPushButton(DisplayText(layout.text));
      button->setObjectName(QString::fromLatin1(layout.name));
      // One role for all keeps the Windows order; Qt would sort by role.
      addButton(button, QMessageBox::ActionRole);
      QObject::connect(button, &QPushButton::clicked, this, [this, id = layout.id] { m_answer = id; });
      if (layout.id == defaultAnswer) setDefaultButton(button);
      if (layout.id == m_escapeAnswer) m_escapeButton = button;
    }
  }

  void ClickEscapeButton() {
    if (m_escapeButton) m_escapeButton->click();
  }

  int m_escapeAnswer;
  int m_answer = 0;
  QPushButton* m_escapeButton = nullptr;
};

}  // namespace

int QtMessageBoxBackend::Show(HWND owner, const char* text, const char* caption, UINT type) {
  DisabledOwnerWindow ownerWindow(owner);
  const QPointer<WindowsMessageBox> box = new WindowsMessageBox(ownerWindow.Window(), text, caption, type);
  RunOwnedDialog(box);
  // A box that ended without a button (its owner destroyed, the program
  // quitting) answers as its Esc key would, else with its default button.
  int answer = box ? box->Answer() : 0;
  if (answer == 0) answer = EscapeAnswerOf(type);
  if (answer == 0) answer = DefaultMessageBoxAnswer(type);
  delete box.data();
  return answer;
}

void InstallQtMessageBoxes() {
  static QtMessageBoxBackend backend;
  SetMessageBoxBackend(&backend);
}

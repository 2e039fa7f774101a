#include "platform/qt/dialog_controls.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVariant>

#include "platform/kernel/driver.h"
#include "platform/qt/edit_fit.h"
#include "platform/qt/icon_image.h"
#include "platform/qt/program_turn.h"

namespace platform::qt {

namespace {

constexpr char kHandleProperty[] = "horatickControl";

// The toolkit's buttons check and uncheck themselves on a click; these leave
// that to the core and only report the click.
class ReportingCheckBox final : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void nextCheckState() override {}
};

class ReportingRadioButton final : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void nextCheckState() override {}
};

// SS_BLACKRECT and SS_BLACKFRAME: a filled rectangle or a one-pixel frame in
// the window frame colour.
class FrameControl final : public QWidget {
 public:
  FrameControl(QWidget* parent, bool filled) : QWidget(parent), filled_(filled) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QColor black = palette().color(QPalette::WindowText);
    if (filled_) {
      painter.fillRect(rect(), black);
    } else {
      painter.setPen(black);
      painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
  }

 private:
  bool filled_;
};

// BS_GROUPBOX: an etched frame whose top edge runs through the middle of
// the title, drawn over the frame at the left, as a dialog's group box looks.
// The title takes no room of its own, so the controls placed inside the box
// by the template sit where their dialog units say.
class GroupBoxControl final : public QWidget {
 public:
  GroupBoxControl(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  void SetTitle(const QString& title) {
    title_ = title;
    if (shortcut_ != nullptr) shortcut_->setKey(QKeySequence::mnemonic(title_));
    update();
  }
  QString Title() const { return title_; }
  void SetTarget(std::function<QWidget*()> target) {
    target_ = std::move(target);
    if (shortcut_ != nullptr) return;
    shortcut_ = new QShortcut(QKeySequence::mnemonic(title_), this);
    QObject::connect(shortcut_, &QShortcut::activated, this, [this] {
      if (QWidget* widget = target_ ? target_() : nullptr) widget->setFocus(Qt::ShortcutFocusReason);
    });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int top = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (title_.isEmpty()) return;
    // "&&" shows as "&"; the letter after a single "&" is underlined.
    const int width = metrics.size(Qt::TextShowMnemonic, title_).width();
    const QRect text(kTitleIndent, 0, width + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, title_);
  }

 private:
  QShortcut* shortcut_ = nullptr;
  std::function<QWidget*()> target_;
  static constexpr int kTitleIndent = 6;
  QString title_;
};

// Byte offsets into the UTF-8 text (the core's units) and character
// positions in the widget's text, both ways.
int BytesBefore(const QString& text, int position) {
  return static_cast<int>(text.left(position).toUtf8().size());
}

int PositionAt(const QByteArray& utf8, DWORD bytes) {
  const qsizetype cut = bytes > static_cast<DWORD>(utf8.size()) ? utf8.size() : static_cast<qsizetype>(bytes);
  return static_cast<int>(QString::fromUtf8(utf8.left(cut)).size());
}

// Set while the widgets are brought up to date from the core, so that the
// change is not reported back as a person's doing.
bool applyingFromCore = false;

// The text and selection last agreed with the core, kept on the widget so
// that one keystroke (which the line editor signals more than once) and the
// core's echo of it are not reported again.
struct EditState {
  QString text;
  int start;
  int end;
  bool operator==(const EditState&) const = default;
};

EditState CurrentEditState(const QLineEdit* edit) {
  EditState state{edit->text(), edit->cursorPosition(), edit->cursorPosition()};
  if (edit->hasSelectedText()) {
    state.start = edit->selectionStart();
    state.end = state.start + static_cast<int>(edit->selectedText().size());
  }
  return state;
}

void RememberEditState(QLineEdit* edit, const EditState& state) {
  edit->setProperty("horatickText", state.text);
  edit->setProperty("horatickStart", state.start);
  edit->setProperty("horatickEnd", state.end);
}

bool SameAsRemembered(const QLineEdit* edit, const EditState& state) {
  const QVariant text = edit->property("horatickText");
  return text.isValid() && text.toString() == state.text && edit->property("horatickStart").toInt() == state.start &&
         edit->property("horatickEnd").toInt() == state.end;
}

// A change made in the line editor goes to the core's edit as the edit's
// own messages, posted so that they come before any later click: the
// replaced span is selected, the new characters typed over it (a backspace
// when nothing replaces it), and the editor's selection set. Typing thus
// gives the dialog the EN_CHANGE notifications it would get on Win32.
bool IsContinuation(const QByteArray& text, qsizetype at) {
  return at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

void PostEditChange(HWND handle, const QByteArray& before, const QByteArray& after) {
  qsizetype prefix = 0;
  while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
  // The span replaced holds whole characters.
  while (prefix > 0 && (IsContinuation(before, prefix) || IsContinuation(after, prefix))) --prefix;
  qsizetype suffix = 0;
  while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
         before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
    ++suffix;
  }
  while (suffix > 0 &&
         (IsContinuation(before, before.size() - suffix) || IsContinuation(after, after.size() - suffix))) {
    --suffix;
  }
  const qsizetype replacedEnd = before.size() - suffix;
  const QString inserted = QString::fromUtf8(after.mid(prefix, after.size() - suffix - prefix));
  PostToCore(handle, EM_SETSEL, static_cast<WPARAM>(prefix), static_cast<LPARAM>(replacedEnd));
  if (inserted.isEmpty() && replacedEnd > prefix) PostToCore(handle, WM_CHAR, 0x08, 1);
  for (const uint codePoint : inserted.toUcs4()) PostToCore(handle, WM_CHAR, codePoint, 1);
}

void ReportEdit(QLineEdit* edit, HWND handle) {
  if (applyingFromCore) return;
  const EditState state = CurrentEditState(edit);
  if (SameAsRemembered(edit, state)) return;
  const QString before = edit->property("horatickText").toString();
  RememberEditState(edit, state);
  if (before != state.text) PostEditChange(handle, before.toUtf8(), state.text.toUtf8());
  PostToCore(handle, EM_SETSEL, static_cast<WPARAM>(BytesBefore(state.text, state.start)),
             static_cast<LPARAM>(BytesBefore(state.text, state.end)));
}

void ApplyEdit(QLineEdit* edit, const WindowSnapshot& control, unsigned bits) {
  const QByteArray utf8 = QByteArray::fromStdString(control.text);
  if ((bits & kChangeText) != 0) {
    const QString text = QString::fromUtf8(utf8);
    if (edit->text() != text) edit->setText(text);
  }
  if ((bits & (kChangeControl | kChangeText)) != 0) {
    const int limit = control.textLimit == 0 || control.textLimit > 32767 ? 32767 : static_cast<int>(control.textLimit);
    if (edit->maxLength() != limit) edit->setMaxLength(limit);
    const int start = PositionAt(utf8, control.selectionStart);
    const int end = PositionAt(utf8, control.selectionEnd);
    const int low = start < end ? start : end;
    const int high = start < end ? end : start;
    if (low == high) {
      if (edit->hasSelectedText() || edit->cursorPosition() != low) {
        edit->deselect();
        edit->setCursorPosition(low);
      }
    } else if (edit->selectionStart() != low || static_cast<int>(edit->selectedText().size()) != high - low) {
      edit->setSelection(low, high - low);
    }
  }
  RememberEditState(edit, CurrentEditState(edit));
}

Qt::Alignment TextAlignment(DWORD style) {
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: return Qt::AlignTop | Qt::AlignHCenter;
    case SS_RIGHT: return Qt::AlignTop | Qt::AlignRight;
    default: return Qt::AlignTop | Qt::AlignLeft;
  }
}

// A static text shows "&&" as "&" and underlines the letter after a single
// "&"; without a control to hand the focus to, the marks are taken out.
QString WithoutMnemonicMarks(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

bool HasPrefixProcessing(QLabel* label) { return !label->property("horatickNoPrefix").toBool(); }

void ApplyTextLabel(QLabel* label, const WindowSnapshot& control) {
  const QString text = QString::fromUtf8(control.text.c_str());
  label->setProperty("horatickText", text);
  const bool marks = HasPrefixProcessing(label) && label->buddy() == nullptr;
  label->setText(marks ? WithoutMnemonicMarks(text) : text);
}

// Tells the core where the keyboard went: Tab and a mnemonic move the focus
// as the dialog manager does (an edit reached so has its text selected, here
// and in the core alike); a click into an edit puts the caret there, which
// the core hears after the click itself.
class FocusReporter final : public QObject {
 public:
  static FocusReporter& Instance() {
    static FocusReporter reporter;
    return reporter;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn || applyingFromCore) return false;
    auto* widget = static_cast<QWidget*>(watched);
    const HWND handle = ControlHandleOf(widget);
    if (handle == nullptr) return false;
    switch (static_cast<QFocusEvent*>(event)->reason()) {
      case Qt::TabFocusReason:
      case Qt::BacktabFocusReason:
      case Qt::ShortcutFocusReason:
        PostInput(input::FocusControl{handle});
        break;
      case Qt::MouseFocusReason:
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
          PostInput(input::ClickControl{handle});
          QPointer<QLineEdit> guarded(edit);
          WhenProgramWaits([guarded, handle] {
            if (guarded == nullptr) return;
            guarded->setProperty("horatickStart", -1);
            ReportEdit(guarded, handle);
          });
        }
        break;
      default:
        break;
    }
    return false;
  }
};

}  // namespace

ControlType ControlTypeOf(const WindowSnapshot& control) {
  if (control.kind == WindowKind::Edit) return ControlType::Edit;
  if (control.kind == WindowKind::Static) {
    switch (control.style & SS_TYPEMASK) {
      case SS_ICON: return ControlType::Icon;
      case SS_BLACKRECT: return ControlType::BlackRect;
      case SS_BLACKFRAME: return ControlType::BlackFrame;
      default: return ControlType::Text;
    }
  }
  switch (control.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return ControlType::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return ControlType::RadioButton;
    case BS_GROUPBOX: return ControlType::GroupBox;
    default: return ControlType::PushButton;
  }
}

bool TakesMnemonicFocus(ControlType type) {
  switch (type) {
    case ControlType::PushButton:
    case ControlType::CheckBox:
    case ControlType::RadioButton:
    case ControlType::Edit: return true;
    default: return false;
  }
}

QWidget* CreateControlWidget(const WindowSnapshot& control, QWidget* dialog) {
  const HWND handle = control.handle;
  const QString text = QString::fromUtf8(control.text.c_str());
  const bool tabStop = (control.style & WS_TABSTOP) != 0;
  QWidget* widget = nullptr;
  switch (ControlTypeOf(control)) {
    case ControlType::PushButton: {
      auto* button = new QPushButton(text, dialog);
      button->setAutoDefault(false);
      button->setDefault((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
      QObject::connect(button, &QPushButton::clicked, [handle] { PostInput(input::ClickControl{handle}); });
      widget = button;
      break;
    }
    case ControlType::CheckBox: {
      auto* box = new ReportingCheckBox(text, dialog);
      QObject::connect(box, &QAbstractButton::clicked, [handle] { PostInput(input::ClickControl{handle}); });
      widget = box;
      break;
    }
    case ControlType::RadioButton: {
      auto* radio = new ReportingRadioButton(text, dialog);
      radio->setAutoExclusive(false);
      QObject::connect(radio, &QAbstractButton::clicked, [handle] { PostInput(input::ClickControl{handle}); });
      widget = radio;
      break;
    }
    case ControlType::GroupBox:
      widget = new GroupBoxControl(text, dialog);
      break;
    case ControlType::Edit: {
      auto* edit = new QLineEdit(dialog);
      edit->setFrame((control.style & WS_BORDER) != 0);
      if ((control.style & ES_AUTOHSCROLL) == 0) KeepEditTextInView(edit);
      QObject::connect(edit, &QLineEdit::textEdited, [edit, handle] { ReportEdit(edit, handle); });
      QObject::connect(edit, &QLineEdit::selectionChanged, [edit, handle] { ReportEdit(edit, handle); });
      QObject::connect(edit, &QLineEdit::cursorPositionChanged, [edit, handle] { ReportEdit(edit, handle); });
      widget = edit;
      break;
    }
    case ControlType::Text: {
      auto* label = new QLabel(dialog);
      label->setTextFormat(Qt::PlainText);
      label->setWordWrap(true);
      label->setAlignment(TextAlignment(control.style));
      label->setProperty("horatickNoPrefix", (control.style & SS_NOPREFIX) != 0);
      widget = label;
      break;
    }
    case ControlType::Icon: {
      auto* label = new QLabel(dialog);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = label;
      break;
    }
    case ControlType::BlackRect:
      widget = new FrameControl(dialog, true);
      break;
    case ControlType::BlackFrame:
      widget = new FrameControl(dialog, false);
      break;
  }
  const bool focusable = TakesMnemonicFocus(ControlTypeOf(control));
  widget->setFocusPolicy(!focusable ? Qt::NoFocus : (tabStop ? Qt::StrongFocus : Qt::ClickFocus));
  widget->setProperty(kHandleProperty, QVariant::fromValue(reinterpret_cast<qulonglong>(handle)));
  if (focusable) widget->installEventFilter(&FocusReporter::Instance());
  applyingFromCore = true;
  ApplyControl(widget, control, ~0u);
  applyingFromCore = false;
  return widget;
}

void ApplyControl(QWidget* widget, const WindowSnapshot& control, unsigned bits) {
  const bool outer = !applyingFromCore;
  applyingFromCore = true;
  const QString text = QString::fromUtf8(control.text.c_str());
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    ApplyEdit(edit, control, bits);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    if ((bits & kChangeText) != 0 && button->text() != text) button->setText(text);
    const bool checked = control.check == BST_CHECKED;
    if ((bits & kChangeControl) != 0 && button->isCheckable() && button->isChecked() != checked) {
      button->setChecked(checked);
    }
  } else if (auto* group = dynamic_cast<GroupBoxControl*>(widget)) {
    if ((bits & kChangeText) != 0 && group->Title() != text) group->SetTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    if (ControlTypeOf(control) == ControlType::Icon) {
      if ((bits & (kChangeText | kChangeControl | kChangeStyle)) != 0) {
        const QImage image = IconImage(control.icon);
        if (!image.isNull()) label->setPixmap(QPixmap::fromImage(image));
      }
    } else if ((bits & kChangeText) != 0) {
      ApplyTextLabel(label, control);
    }
  }
  if ((bits & kChangeEnabled) != 0) widget->setEnabled(control.enabled);
  // A control's own visibility: the dialog around it is shown and hidden as a
  // whole by its window.
  if ((bits & (kChangeVisible | kChangeStyle)) != 0) widget->setVisible((control.style & WS_VISIBLE) != 0);
  if (outer) applyingFromCore = false;
}

void SetTextBuddy(QWidget* textWidget, QWidget* buddy) {
  auto* label = qobject_cast<QLabel*>(textWidget);
  if (label == nullptr || !HasPrefixProcessing(label) || label->buddy() == buddy) return;
  label->setBuddy(buddy);
  const QString text = label->property("horatickText").toString();
  label->setText(buddy != nullptr ? text : WithoutMnemonicMarks(text));
}

void SetGroupMnemonicTarget(QWidget* groupBox, std::function<QWidget*()> target) {
  if (auto* group = dynamic_cast<GroupBoxControl*>(groupBox)) group->SetTarget(std::move(target));
}

HWND ControlHandleOf(const QWidget* widget) {
  if (widget == nullptr) return nullptr;
  const QVariant value = widget->property(kHandleProperty);
  return value.isValid() ? reinterpret_cast<HWND>(value.toULongLong()) : nullptr;
}

}  // namespace platform::qt

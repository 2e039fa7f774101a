#include "platform/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeySequence>
#include <QPointer>
#include <QRadioButton>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <cstring>
#include <string>
#include <vector>

#include "platform/kernel/driver.h"
#include "platform/user/inspect.h"
#include "platform/qt/caption_layout.h"
#include "platform/qt/caption_window.h"
#include "platform/qt/control_labels.h"
#include "platform/qt/dialog_controls.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/message_box_window.h"

namespace platform::qt {

namespace {

// The control that names a radio button's group, kept on the button.
constexpr char kGroupProperty[] = "horatickGroup";

QString ReadText(const QString& text) { return QString::fromStdString(WithoutMnemonics(text.toStdString())); }

// Alt and the letter after a single "&", as the toolkit writes key bindings.
QString MnemonicKey(const QString& text) {
  const QKeySequence key = QKeySequence::mnemonic(text);
  return key.isEmpty() ? QString() : key.toString(QKeySequence::NativeText);
}

// A dialog that holds one icon, one text and push buttons and nothing else
// says one thing and waits for it to be answered, as a message box does.
bool ShapedLikeMessage(const std::vector<WindowSnapshot>& controls, std::string* text) {
  int icons = 0;
  int texts = 0;
  int buttons = 0;
  for (const WindowSnapshot& control : controls) {
    switch (ControlTypeOf(control)) {
      case ControlType::Icon: ++icons; break;
      case ControlType::Text:
        ++texts;
        *text = (control.style & SS_NOPREFIX) != 0 ? control.text : WithoutMnemonics(control.text);
        break;
      case ControlType::PushButton: ++buttons; break;
      default: return false;
    }
  }
  return icons == 1 && texts == 1 && buttons > 0;
}

// A dialog or a message box: a dialog, or an alert whose description is what
// it says. Readers ask often; the answers come from what the window was last
// told, never from the core again.
class WindowAccessible final : public QAccessibleWidget {
 public:
  explicit WindowAccessible(MirrorWindow* window) : QAccessibleWidget(window, QAccessible::Dialog) {}

  QAccessible::Role role() const override {
    std::string message;
    return Message(&message) ? QAccessible::AlertMessage : QAccessible::Dialog;
  }
  QString text(QAccessible::Text kind) const override {
    std::string message;
    if (kind == QAccessible::Description && Message(&message)) return QString::fromStdString(message);
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.modal = true;
    return state;
  }

 private:
  bool Message(std::string* message) const {
    if (const auto* box = dynamic_cast<const MessageBoxWindow*>(widget())) {
      *message = box->Message();
      return true;
    }
    const auto* dialog = dynamic_cast<const DialogWindow*>(widget());
    return dialog != nullptr && ShapedLikeMessage(dialog->ControlDescriptions(), message);
  }
};

// A box of the clock's caption, which the window draws itself: an object of
// its own so that readers can point at it and press it.
class CaptionBox final : public QObject {
 public:
  CaptionBox(CaptionWindow* window, WPARAM part) : QObject(window), part_(part) {}
  WPARAM Part() const { return part_; }
  CaptionWindow* Window() const { return static_cast<CaptionWindow*>(parent()); }
  QRect Rect() const {
    const CaptionLayout layout = LayOutCaption(Window()->size(), Window()->Style());
    return part_ == HTSYSMENU ? layout.systemBox : layout.minimizeBox;
  }

 private:
  WPARAM part_;
};

// The boxes the caption shows now, made the first time they are asked for.
std::vector<CaptionBox*> ShownBoxes(CaptionWindow* window) {
  std::vector<CaptionBox*> shown;
  for (const WPARAM part : {HTSYSMENU, HTMINBUTTON}) {
    CaptionBox* box = nullptr;
    for (QObject* child : window->children()) {
      auto* made = dynamic_cast<CaptionBox*>(child);
      if (made != nullptr && made->Part() == part) box = made;
    }
    if (box == nullptr) box = new CaptionBox(window, part);
    if (!box->Rect().isEmpty()) shown.push_back(box);
  }
  return shown;
}

class BoxAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  explicit BoxAccessible(CaptionBox* box) : box_(box) {}

  bool isValid() const override { return box_ != nullptr; }
  QObject* object() const override { return box_; }
  QWindow* window() const override { return box_ != nullptr ? box_->Window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return box_ != nullptr ? QAccessible::queryAccessibleInterface(box_->Window()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text kind) const override {
    if (box_ == nullptr) return {};
    const bool menu = box_->Part() == HTSYSMENU;
    if (kind == QAccessible::Name) return menu ? QStringLiteral("System Menu") : QStringLiteral("Minimize");
    if (kind == QAccessible::Accelerator && menu) {
      return QKeySequence(Qt::ALT | Qt::Key_Space).toString(QKeySequence::NativeText);
    }
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (box_ == nullptr) return {};
    const QRect box = box_->Rect();
    return QRect(box_->Window()->mapToGlobal(box.topLeft()), box.size());
  }
  QAccessible::Role role() const override { return QAccessible::Button; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (box_ == nullptr || !box_->Window()->isVisible()) state.invisible = true;
    if (box_ != nullptr && !box_->Window()->isEnabled()) state.disabled = true;
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    if (box_ == nullptr || action != pressAction()) return;
    const HWND window = box_->Window()->Handle();
    if (box_->Part() == HTSYSMENU) {
      PostInput(input::OpenSystemMenu{window});
    } else {
      PostToCore(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    }
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    const QString key = text(QAccessible::Accelerator);
    return action == pressAction() && !key.isEmpty() ? QStringList{key} : QStringList{};
  }

 private:
  QPointer<CaptionBox> box_;
};

// The clock window: a frame named by the face it shows now (the toolkit's
// own title of it is not kept: the face goes to the X title directly), with
// its caption's boxes inside.
class ClockAccessible final : public QAccessibleWidget {
 public:
  explicit ClockAccessible(CaptionWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Clock()->Title();
    return QAccessibleWidget::text(kind);
  }
  int childCount() const override { return static_cast<int>(ShownBoxes(Clock()).size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<CaptionBox*> boxes = ShownBoxes(Clock());
    if (index < 0 || index >= static_cast<int>(boxes.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(boxes[static_cast<std::size_t>(index)]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<CaptionBox*> boxes = ShownBoxes(Clock());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (child != nullptr && child->object() == boxes[i]) return static_cast<int>(i);
    }
    return -1;
  }

 private:
  CaptionWindow* Clock() const { return static_cast<CaptionWindow*>(widget()); }
};

// A radio button of a dialog. The driver's radio buttons leave their groups
// to the core, which the toolkit would read as check boxes.
class RadioAccessible final : public QAccessibleWidget {
 public:
  explicit RadioAccessible(QRadioButton* button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

  QAccessible::Role role() const override { return QAccessible::RadioButton; }
  // A button is named by its own text, never by a label that hands it the
  // focus (the "Alarm" before the alarm numbers).
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) {
      const QString given = widget()->accessibleName();
      return given.isEmpty() ? ReadText(Button()->text()) : given;
    }
    if (kind == QAccessible::Accelerator) return MnemonicKey(Button()->text());
    return QAccessibleWidget::text(kind);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = Button()->isChecked();
    return state;
  }
  // The group box (or text) that names the button's group labels it too:
  // readers announce a radio button's group by that label.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
      QAccessible::Relation match) const override {
    auto relations = QAccessibleWidget::relations(match);
    if ((match & QAccessible::Label) == 0) return relations;
    const HWND group = reinterpret_cast<HWND>(widget()->property(kGroupProperty).toULongLong());
    QWidget* dialog = widget()->parentWidget();
    if (group == nullptr || dialog == nullptr) return relations;
    for (QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (ControlHandleOf(control) != group) continue;
      QAccessibleInterface* label = QAccessible::queryAccessibleInterface(control);
      bool known = false;
      for (const auto& relation : relations) known = known || relation.first == label;
      if (label != nullptr && !known) relations.append({label, QAccessible::Label});
    }
    return relations;
  }
  QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
  void doAction(const QString& action) override {
    if (action == pressAction()) {
      Button()->click();
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

 private:
  QRadioButton* Button() const { return static_cast<QRadioButton*>(widget()); }
};

// A control of a dialog that the driver draws itself: a group box reads as a
// grouping named by its title, a black rectangle as a separator.
class DrawnControlAccessible final : public QAccessibleWidget {
 public:
  explicit DrawnControlAccessible(QWidget* widget) : QAccessibleWidget(widget) {}

  QAccessible::Role role() const override {
    const WindowSnapshot* control = Control();
    if (control == nullptr) return QAccessible::Client;
    switch (ControlTypeOf(*control)) {
      case ControlType::GroupBox: return QAccessible::Grouping;
      case ControlType::BlackRect: return QAccessible::Separator;
      default: return QAccessible::Client;
    }
  }
  QString text(QAccessible::Text kind) const override {
    const WindowSnapshot* control = Control();
    if (control != nullptr && ControlTypeOf(*control) == ControlType::GroupBox) {
      if (kind == QAccessible::Name) return QString::fromStdString(WithoutMnemonics(control->text));
      if (kind == QAccessible::Accelerator) return MnemonicKey(QString::fromStdString(control->text));
    }
    return QAccessibleWidget::text(kind);
  }

 private:
  // The control as its dialog last heard of it; made only for a dialog's controls.
  const WindowSnapshot* Control() const {
    const auto* dialog = dynamic_cast<const DialogWindow*>(widget()->parentWidget());
    return dialog != nullptr ? dialog->ControlDescription(ControlHandleOf(widget())) : nullptr;
  }
};

QAccessibleInterface* ClockInterfaces(const QString&, QObject* object) {
  if (auto* box = dynamic_cast<CaptionBox*>(object)) return new BoxAccessible(box);
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (auto* clock = dynamic_cast<CaptionWindow*>(widget)) return new ClockAccessible(clock);
  if (auto* window = dynamic_cast<MirrorWindow*>(widget)) return new WindowAccessible(window);
  if (auto* radio = qobject_cast<QRadioButton*>(widget)) return new RadioAccessible(radio);
  if (std::strcmp(widget->metaObject()->className(), "QWidget") == 0 &&
      dynamic_cast<DialogWindow*>(widget->parentWidget()) != nullptr) {
    return new DrawnControlAccessible(widget);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  // The toolkit forgets its factories when its application ends, and takes
  // one it already has only once.
  QAccessible::installFactory(ClockInterfaces);
}

void AnnounceNameChange(QWidget* window) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(window, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void LabelControlsForReaders(const std::vector<WindowSnapshot>& controls,
                             const std::function<QWidget*(HWND)>& widgetOf) {
  const std::vector<ControlLabel> labels = LabelControls(controls);
  for (std::size_t i = 0; i < controls.size(); ++i) {
    QWidget* widget = widgetOf(controls[i].handle);
    if (widget == nullptr) continue;
    const QString name = QString::fromStdString(labels[i].name);
    const QString description = QString::fromStdString(labels[i].description);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description) widget->setAccessibleDescription(description);
    widget->setProperty(kGroupProperty, QVariant::fromValue(reinterpret_cast<qulonglong>(labels[i].group)));
  }
}

}  // namespace platform::qt

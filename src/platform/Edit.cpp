#include "platform/Edit.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>

#include "platform/CopyAll.h"
#include "platform/Form.h"
#include "platform/Input.h"
#include "platform/Messages.h"
#include "value/Value.h"

namespace {

QString FirstLine(const QString& text) {
  const auto end =
      std::find_if(text.begin(), text.end(), [](QChar c) { return c == u'\r' || c == u'\n'; });
  return text.left(static_cast<int>(end - text.begin()));
}

}  // namespace

TEdit::TEdit(QWidget* parent, const QString& name, const QString& initialText) : QLineEdit(parent) {
  setObjectName(name);
  QLineEdit::setMaxLength(32767);  // our own limit applies to the user's paths only
  setText(initialText);            // the form description's text runs no handler
  setCursorPosition(0);
  setAcceptDrops(false);
  setDragEnabled(false);
  // The mouse moving over an edit is an event even with no button down.
  setMouseTracking(true);
  // Every path of ours holds Qt's signals back; this only sees changes made elsewhere
  // (accessibility tools, for example) and reports them like the user's.
  connect(this, &QLineEdit::textChanged, this, [this] {
    TakeShownText();
    UserChanged();
  });
}

void TEdit::SetText(const QString& newText) {
  if (newText == Text()) return;
  Show(newText);
  FireChange();
}

void TEdit::Show(const QString& written) {
  const bool inStyle = showsResults_ && !ResultStyle().AsWindow();
  const QString shown = inStyle ? Restyle(written, ResultStyle()) : written;
  styled_ = shown != written;
  written_ = styled_ ? written : QString();
  {
    const QSignalBlocker block(this);
    setText(shown);
    setCursorPosition(0);
  }
  FitText();
}

void TEdit::ShowResults() {
  if (keepsWritten_ || showsResults_) return;
  showsResults_ = true;
  const QString written = Text();
  if (!written.isEmpty()) Show(written);
}

void platform::ShowResultsInStyle(QWidget* window) {
  for (TEdit* edit : window->findChildren<TEdit*>()) edit->ShowResults();
}

void TEdit::FitText() {
  if (room_ < 0) {
    QStyleOptionFrame option;
    initStyleOption(&option);
    room_ = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 4 -
            textMargins().left() - textMargins().right();
  }
  const QString& shown = text();
  // Short texts fit whatever the font: no need to measure them.
  if (!narrow_ && shown.size() * 4 < room_ / 2) return;
  const bool tooLong = QFontMetrics(narrow_ ? wideFont_ : font()).horizontalAdvance(shown) > room_;
  if (tooLong == narrow_) return;
  if (tooLong) {
    wideFont_ = font();
    QFont face = wideFont_;
    face.setFamily(QStringLiteral("Liberation Sans Narrow"));
    narrow_ = true;
    setFont(face);
  } else {
    narrow_ = false;
    setFont(wideFont_);
  }
}

void TEdit::resizeEvent(QResizeEvent* event) {
  QLineEdit::resizeEvent(event);
  room_ = -1;
  FitText();
}

void TEdit::SetFocus() { setFocus(Qt::OtherFocusReason); }

int TEdit::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TEdit::SelLength() const { return hasSelectedText() ? selectionLength() : 0; }

void TEdit::SetSelStart(int position) { setCursorPosition(position); }

void TEdit::SetSelLength(int length) {
  const int start = SelStart();
  if (length <= 0) {
    setCursorPosition(start);
  } else {
    setSelection(start, length);
  }
}

TForm* TEdit::Form() const { return qobject_cast<TForm*>(window()); }

void TEdit::FireChange() {
  if (OnChange) OnChange(this);
}

template <class F>
void TEdit::UserEdit(F&& operation) {
  TakeShownText();
  const QString before = text();
  {
    const QSignalBlocker block(this);
    operation();
  }
  FitText();
  if (text() != before) UserChanged();
}

void TEdit::UserChanged() {
  if (TForm* form = Form()) form->NoteTyped(this);
  // A user's change comes from Qt's event loop: nothing above us catches.
  platform::Guard([this] { FireChange(); });
}

void TEdit::InsertPasted(const QString& pasted) {
  if (isReadOnly()) return;
  QString piece = FirstLine(pasted);
  if (maxLength_ > 0) {
    const int room = std::max(0, maxLength_ - (static_cast<int>(text().size()) - SelLength()));
    piece.truncate(room);
  }
  if (!piece.isEmpty()) insert(upperCase_ ? piece.toUpper() : piece);
}

void TEdit::PasteText(const QString& pasted) {
  UserEdit([&] { InsertPasted(pasted); });
}

void TEdit::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // The key handlers and the key filter see the text the key acts on.
  TakeShownText();
  const int key = event->key();
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  // Ctrl+Tab moves the focus as Tab does: the window decides where.
  if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && (mods & Qt::ControlModifier)) {
    event->ignore();
    return;
  }
  TForm* form = Form();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) &&
      mods == Qt::NoModifier && form && form->DialogKey(key)) {
    return;
  }
  QPointer<TEdit> self(this);
  platform::Guard([&] {
    int k = key;
    if (form && form->KeyPreview && form->OnKeyDown) form->OnKeyDown(k, event->modifiers());
    if (self && k != 0 && OnKeyDown) OnKeyDown(this, k, event->modifiers());
    if (self && k != 0) KeyDownAction(k, event);
  });
  if (!self) return;
  if (const char16_t c = platform::CharacterOf(event)) platform::Guard([&] { Character(c); });
}

void TEdit::KeyDownAction(int key, QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  switch (key) {
    case Qt::Key_Delete:
      if (isReadOnly()) return;
      if (mods & Qt::ShiftModifier) {
        UserEdit([this] { cut(); });
      } else {
        UserEdit([this] { del(); });
      }
      return;
    case Qt::Key_Insert:
      if (mods & Qt::ShiftModifier) PasteText(QGuiApplication::clipboard()->text());
      if (mods & Qt::ControlModifier) copy();
      return;
    case Qt::Key_A:
      // Ctrl+A selects the whole text, whatever the key handlers make of its character.
      if (mods == Qt::ControlModifier) selectAll();
      return;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
      if (key == event->key()) QLineEdit::keyPressEvent(event);
      return;
    default: return;
  }
}

void TEdit::Character(char16_t key) {
  QPointer<TEdit> self(this);
  TForm* form = Form();
  if (form && form->KeyPreview && form->OnKeyPress) form->OnKeyPress(key);
  if (self && key != 0 && OnKeyPress) OnKeyPress(this, key);
  if (self && key != 0) TypeCharacter(key);
}

void TEdit::TypeCharacter(char16_t key) {
  switch (key) {
    case 1: selectAll(); return;
    case 3: copy(); return;
    case 8:
      if (!isReadOnly()) UserEdit([this] { backspace(); });
      return;
    case 22: PasteText(QGuiApplication::clipboard()->text()); return;
    case 24:
      if (!isReadOnly()) UserEdit([this] { cut(); });
      return;
    case 26:
      if (!isReadOnly()) UserEdit([this] { undo(); });
      return;
    default: break;
  }
  if (key < 0x20 || isReadOnly()) return;
  if (maxLength_ > 0 && static_cast<int>(text().size()) - SelLength() >= maxLength_) return;
  QChar c(key);
  if (upperCase_) c = c.toUpper();
  UserEdit([&] { insert(QString(c)); });
}

void TEdit::contextMenuEvent(QContextMenuEvent* event) {
  QPointer<QMenu> menu = createStandardContextMenu();
  for (QAction* action : menu->actions()) {
    if (action->objectName() != QLatin1String("edit-paste")) continue;
    disconnect(action, &QAction::triggered, this, nullptr);
    connect(action, &QAction::triggered, this,
            [this] { InsertPasted(QGuiApplication::clipboard()->text()); });
  }
  platform::AddCopyAllItem(menu, this);
  QPointer<TEdit> self(this);
  platform::Guard([&] { UserEdit([&] { menu->exec(event->globalPos()); }); });
  delete menu;
}

void TEdit::mouseReleaseEvent(QMouseEvent* event) {
  // No pasting of the X11 selection with the middle button: every paste goes our way.
  if (event->button() == Qt::MiddleButton) return;
  QLineEdit::mouseReleaseEvent(event);
}

void TEdit::mouseMoveEvent(QMouseEvent* event) {
  QLineEdit::mouseMoveEvent(event);
  if (OnMouseMove) platform::Guard([&] { OnMouseMove(this, event); });
}

void TEdit::inputMethodEvent(QInputMethodEvent* event) {
  QPointer<TEdit> self(this);
  const QString committed = event->commitString();
  if (!committed.isEmpty()) TakeShownText();
  for (const QChar c : committed) {
    if (!self) return;
    platform::Guard([&] { Character(c.unicode()); });
  }
  event->accept();
}

void TEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // The window coming back (after a box, or from another program) gives the focus back
  // without entering the edit again; the window's first focus does enter it.
  if (entered_) return;
  entered_ = true;
  // The whole text is selected when the edit is entered other than by the mouse.
  if (event->reason() != Qt::MouseFocusReason) selectAll();
  if (OnEnter) platform::Guard([this] { OnEnter(this); });
}

void TEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  entered_ = false;
  if (OnExit) platform::Guard([this] { OnExit(this); });
}

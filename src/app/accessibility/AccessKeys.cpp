#include "app/accessibility/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Keeps the activation keys with the focused button: the window's own
// shortcuts on Space and Enter would otherwise run first.
class ActivationKeys : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->modifiers() == Qt::NoModifier
                && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
                event->accept();
                return true;
            }
        }
        return false;
    }
};

QChar mnemonicOf(const QString &text)
{
    const QKeySequence keys = QKeySequence::mnemonic(text);
    if (keys.isEmpty())
        return {};
    return QKeySequence(keys[0].key()).toString().at(0).toUpper();
}

QChar altKeyOf(const QKeySequence &keys)
{
    if (keys.count() != 1 || keys[0].keyboardModifiers() != Qt::AltModifier)
        return {};
    const QString text = QKeySequence(keys[0].key()).toString();
    return text.size() == 1 ? text.at(0).toUpper() : QChar();
}

bool belongsTo(const QWidget *widget, const QWidget &window)
{
    return widget->window() == &window && widget->isVisibleTo(&window);
}

struct KeyUse
{
    QChar key;
    QString caption;
    const QWidget *reaches = nullptr;
};

// Every access key the window offers outside its menus.
QList<KeyUse> windowKeys(const QWidget &window)
{
    QList<KeyUse> uses;
    const auto add = [&uses](const QString &caption, const QWidget *reaches) {
        const QChar key = mnemonicOf(caption);
        if (!key.isNull())
            uses.append({key, caption, reaches});
    };
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>())
        if (belongsTo(bar, window))
            for (const QAction *a : bar->actions())
                if (a->isVisible())
                    add(a->text(), nullptr);
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>())
        if (belongsTo(b, window))
            add(b->text(), b);
    for (const QGroupBox *g : window.findChildren<QGroupBox *>())
        if (belongsTo(g, window))
            add(g->title(), g);
    for (const QLabel *l : window.findChildren<QLabel *>())
        if (l->buddy() && belongsTo(l, window))
            add(l->text(), l->buddy());
    for (const FocusShortcut *s : window.findChildren<FocusShortcut *>()) {
        const QChar key = altKeyOf(s->key());
        if (!key.isNull() && s->target() && belongsTo(s->target(), window))
            uses.append({key, s->key().toString(QKeySequence::NativeText), s->target()});
    }
    return uses;
}

QStringList clashesIn(const QList<KeyUse> &uses)
{
    QMap<QChar, QStringList> byKey;
    for (const KeyUse &use : uses)
        byKey[use.key].append(use.caption);
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            clashes.append(QString(it.key()) + QStringLiteral(": ") + it.value().join(QStringLiteral(" | ")));
    return clashes;
}

} // namespace

FocusShortcut::FocusShortcut(const QKeySequence &keys, QWidget *target)
    : QShortcut(keys, target->window()),
      m_target(target)
{
    connect(this, &QShortcut::activated, target, [target] { target->setFocus(Qt::ShortcutFocusReason); });
}

void addMenuBarKey(QWidget *window, QMenuBar *menuBar)
{
    auto *key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    key->setObjectName(QStringLiteral("MenuBarKey"));
    QObject::connect(key, &QShortcut::activated, menuBar, [menuBar] {
        if (!menuBar->actions().isEmpty())
            menuBar->setActiveAction(menuBar->actions().constFirst());
    });
}

void keepActivationKeys(QAbstractButton *button)
{
    // Outside a dialog a push button leaves Enter alone unless told.
    if (auto *push = qobject_cast<QPushButton *>(button))
        push->setAutoDefault(true);
    button->installEventFilter(new ActivationKeys(button));
}

QStringList accessKeyClashes(const QWidget &window)
{
    QStringList clashes = clashesIn(windowKeys(window));
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        QList<KeyUse> items;
        for (const QAction *a : menu->actions()) {
            const QChar key = mnemonicOf(a->text());
            if (a->isVisible() && !a->isSeparator() && !key.isNull())
                items.append({key, a->text(), nullptr});
        }
        for (const QString &clash : clashesIn(items))
            clashes.append(menu->title() + QStringLiteral(" > ") + clash);
    }
    return clashes;
}

QStringList controlsWithoutAccessKey(const QWidget &window)
{
    QList<const QWidget *> reached;
    for (const KeyUse &use : windowKeys(window))
        reached.append(use.reaches);
    QStringList missing;
    for (const QWidget *w : window.findChildren<QWidget *>()) {
        if (!belongsTo(w, window) || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy())
            continue;
        // The line edit of a spin box is reached through the box.
        bool found = reached.contains(w);
        for (const QWidget *p = w->parentWidget(); !found && p && p != &window; p = p->parentWidget())
            found = reached.contains(p) && p->focusProxy() == w;
        if (!found)
            missing.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                     : w->objectName());
    }
    return missing;
}

#include "app/accessibility/Accessibility.h"

#include "app/CardPaintBox.h"
#include "app/accessibility/AccessibleCard.h"
#include "app/accessibility/AccessibleList.h"
#include "app/caller/BoardView.h"
#include "app/caller/CallDisplay.h"
#include "app/caller/CallHistoryView.h"
#include "game/CallSession.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>

namespace {

const char *const RoleProperty = "morvaneAccessibleRole";

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)"))).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// The current call, read as text; the hint while there is none.
class AccessibleCall : public QAccessibleWidget
{
public:
    explicit AccessibleCall(CallDisplay *display) : QAccessibleWidget(display, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        const auto *display = static_cast<const CallDisplay *>(widget());
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return display->call().isEmpty() ? display->hint() : display->call();
        return QAccessibleWidget::text(t);
    }
};

QList<ListEntry> boardEntries(const BoardView *view)
{
    QList<ListEntry> entries;
    if (const CallSession *session = view->session()) {
        const CallBoard &board = session->board();
        for (int item = 0; item < board.size(); ++item)
            entries.append({board.callText(item), session->isCalled(item), item == session->lastCall()});
    }
    return entries;
}

QList<ListEntry> callEntries(const CallHistoryView *view)
{
    QList<ListEntry> entries;
    if (const CallSession *session = view->session()) {
        const std::vector<int> &calls = session->calls();
        for (std::size_t i = 0; i < calls.size(); ++i)
            entries.append({session->board().callText(calls[i]), true, i + 1 == calls.size()});
    }
    return entries;
}

QAccessibleInterface *morvaneWidgets(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (className == QLatin1String("CardPaintBox"))
        return new AccessibleCard(static_cast<CardPaintBox *>(widget));
    if (className == QLatin1String("CallDisplay"))
        return new AccessibleCall(static_cast<CallDisplay *>(widget));
    if (className == QLatin1String("ToolBarFrame"))
        return new QAccessibleWidget(widget, QAccessible::ToolBar);
    if (className == QLatin1String("PreviewPageView"))
        return new QAccessibleWidget(widget, QAccessible::Document);
    if (className == QLatin1String("BoardView")) {
        const auto *view = static_cast<BoardView *>(widget);
        return new AccessibleList(widget, QCoreApplication::translate("Accessibility", "Board"),
                                  [view] { return boardEntries(view); });
    }
    if (className == QLatin1String("CallHistoryView")) {
        const auto *view = static_cast<CallHistoryView *>(widget);
        return new AccessibleList(widget, QCoreApplication::translate("Accessibility", "Calls in order"),
                                  [view] { return callEntries(view); });
    }
    // Asked for the most derived class first: a role set on the widget wins
    // over what its class would give.
    const QVariant role = widget->property(RoleProperty);
    if (role.isValid() && className == QLatin1String(widget->metaObject()->className()))
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    return nullptr;
}

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    widget->setProperty(RoleProperty, int(role));
}

void trimAccessibleNames(QWidget *root)
{
    // A group inside a group would be named by the outer group's title.
    for (QGroupBox *group : root->findChildren<QGroupBox *>())
        if (group->accessibleName().isEmpty())
            group->setAccessibleName(withoutMnemonic(group->title()).trimmed());
    const auto trim = [](QWidget *w, const QString &caption) {
        const QString name = withoutMnemonic(caption);
        if (w->accessibleName().isEmpty() && name != name.trimmed())
            w->setAccessibleName(name.trimmed());
    };
    for (QLabel *label : root->findChildren<QLabel *>())
        trim(label, label->text());
    for (QAbstractButton *button : root->findChildren<QAbstractButton *>())
        trim(button, button->text());
}

void announceNameChange(QWidget *widget)
{
    QAccessibleEvent event(widget, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void installAccessibleFactory()
{
    QAccessible::installFactory(morvaneWidgets);
}

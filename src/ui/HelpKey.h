#pragma once
// F1: the help page of the window that has the focus.

#include <QString>
#include <QStringList>

class AppContext;
class QObject;
class QWidget;

/**
 * The help keyword of a window: the topic of its own class or of the nearest class it derives
 * from that has one, else that of the window it was opened from, and so on; empty when none of
 * them has a topic.
 */
QString HelpTopicOf(const QWidget* window);

/** Every keyword a window's F1 may look for (each must name a help page). */
QStringList HelpKeyTopics();

/**
 * Makes F1 open the help window at the topic of the window that has the focus (at the contents
 * when it has none), in every window of the application but one that uses F1 itself (the word
 * list editor types an international character with it). Lives as long as the owner.
 */
void InstallHelpKey(const AppContext& context, QObject* owner);

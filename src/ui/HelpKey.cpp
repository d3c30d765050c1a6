#include "ui/HelpKey.h"

#include "ui/HelpWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QWidget>
#include <cstring>

namespace {

/** The windows' help topics, by class; a dialog without one shows the topic of its opener. */
struct WindowTopic {
    const char* ClassName;
    const char* Keyword;
    /** The window uses F1 itself; its topic serves the dialogs it opens. */
    bool OwnsF1 = false;
};
constexpr WindowTopic Topics[] = {
    {"TMainWin", "Main Window"},
    {"TWordList", "Word List Editor", true},
    {"TImport", "Word List Editor"},
    {"TMyExport", "Word List Editor"},
    {"TLanguageChoice", "Spelling"},
    {"TSpellSuggestions", "Spelling"},
    {"TThesSuggestions", "Thesaurus"},
    {"TThes2Sugs", "Thesaurus"},
    {"TMyEditBox", "Dictionary"},
    {"TDoIntChars", "International Characters"},
    {"TWordLetters", "Word Separator Characters"},
    {"TCreationAttempts", "Creation Attempts"},
    {"TCreatedPuzzle", "Created Puzzle"},
    {"TAddWords", "Add Words"},
    {"TAddAClue", "Add a Clue"},
    {"TSelectShapes", "Shape Manager"},
    {"TDoShapes", "Shape Editor"},
    {"TListPages", "Page Layouts"},
    {"TExtractAPuzzle", "Page Layouts"},
    {"TDoPages", "CROSSWORD OBJECTS"},
    {"TMyReport", "Report Window"},
    {"TPartialAnswer", "Partial Answers"},
    {"TClueHeaders", "Clue Headers"},
    {"TMyPreview", "Preview"},
    {"THtmlCreation", "Web Page"},
    {"TMetafileCreation", "Metafile"},
    {"TPuzzleChoiceDialog", "Transfer"},
    {"TTipOfTheDay", "Tip of the Day"},
    {"TUserManualNotice", "User Manual"},
    {"TProductInfo", "About"},
    {"THelpWindow", "Contents"},
};

/** The topic entry of a window's class or of the nearest class it derives from, or nullptr. */
const WindowTopic* topicOfClass(const QWidget* window)
{
    for (const QMetaObject* meta = window->metaObject(); meta; meta = meta->superClass())
        for (const WindowTopic& topic : Topics)
            if (std::strcmp(meta->className(), topic.ClassName) == 0)
                return &topic;
    return nullptr;
}

class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(const AppContext& context, QObject* owner)
        : QObject(owner)
        , m_context(context)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (const WindowTopic* own = topicOfClass(window); own && own->OwnsF1)
            return false;
        ShowHelpTopic(window, m_context, HelpTopicOf(window));
        return true;
    }

private:
    const AppContext& m_context;
};

} // namespace

QString HelpTopicOf(const QWidget* window)
{
    for (const QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        if (const WindowTopic* topic = topicOfClass(w))
            return QLatin1String(topic->Keyword);
    }
    return {};
}

QStringList HelpKeyTopics()
{
    QStringList keywords;
    for (const WindowTopic& topic : Topics)
        keywords.append(QLatin1String(topic.Keyword));
    return keywords;
}

void InstallHelpKey(const AppContext& context, QObject* owner)
{
    qApp->installEventFilter(new HelpKeyFilter(context, owner));
}

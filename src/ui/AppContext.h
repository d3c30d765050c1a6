#pragma once

#include "shapes/ShapeRecord.h"
#include "store/Settings.h"
#include "store/WorkingPuzzle.h"
#include "words/SpellLanguages.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

struct TBuildResult;
class LexicalSource;

/**
 * What the windows share from start-up to exit: the two directories, the settings, the working
 * puzzle with the open collection, the shape buffer and the four construction results. The main
 * window owns one; a window test makes its own on temporary directories. Nothing here is global.
 */
class AppContext {
public:
    AppContext(QString startDir, QString programDir);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    /** Working directory at start: settings file and default collections. */
    QString StartDir;
    /** Directory of the program: shape library, page file, help and word lists. */
    QString ProgramDir;
    /** The settings, read at start-up and written back at exit. */
    Settings settings;
    /** CurrentPuzzle, IsNewPuzzle, CurrentRecordNumber and CurrentCollection. */
    WorkingPuzzle Working;
    /** Interface scale factor from the screen size option: 1.0, 1.25, 1.6 or 2.0. */
    double ScaleFactor = 1.0;
    /** The shape buffer shared by the word list editor, the shape manager and the engine. */
    TShapeRecord CurrentShape;
    /** Dictionaries and thesauri found at start-up and the user lists in use (empty until the main window looks). */
    SpellingSetup Spelling;

    /** The construction engine's four result slots (made on first use); they keep their contents until the next run. */
    TBuildResult& Candidates();

    /**
     * The lexical database of the clue and theme assistant for the spelling language in force,
     * opened on first use and kept for the run; nullptr when it cannot serve (Lexicon::Unavailable).
     */
    const LexicalSource* Lexicon();

    /**
     * Set by the main window: remember a category and title to select, then re-list the
     * collection (RequestSelection followed by LoadInPuzzles). Every window that writes the
     * collection calls it before it closes. Empty in window tests unless a test sets it.
     */
    std::function<void(const QByteArray& category, const QByteArray& title)> RequestSelection;

    /** "QVFLAY.DAT" in the program directory. */
    QString ShapeLibraryPath() const;
    /** "QVFPAGE.DAT" in the program directory. */
    QString PageFilePath() const;
    /** A file in the program directory. */
    QString ProgramFile(const QString& name) const;
    /** A file in the start directory ("/" gives "/NAME"). */
    QString StartFile(const QString& name) const;

private:
    std::shared_ptr<TBuildResult> m_candidates;
    std::shared_ptr<LexicalSource> m_lexicon;
    int m_lexiconLanguage = -1;
};

#pragma once

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>

class AppContext;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
struct HtmlTextBlock;

/**
 * The web page window "HTML Creation" ("Create A Web Page"): two header and two footer blocks
 * around the picture's place, each with its text, "Bold", "Italic", "Center" and "Font Size";
 * a "Horizontal Line" above and below the picture; the "Web Page Title". Check boxes and size
 * lists change the settings at once, texts and title are taken by "&Save HTML", which asks the
 * picture width and the document's name, writes the document and then its JPEG picture beside it.
 */
class THtmlCreation : public QDialog {
    Q_OBJECT
public:
    /** Draws the previewed page at a pixel width (the preview's page image). */
    using PageImage = std::function<QImage(int width)>;

    THtmlCreation(AppContext& context, PageImage pageImage, QWidget* parent = nullptr);

    /** The size list entries in order; entry i stands for HTML size i + 1. */
    static QStringList SizeNames();

public slots:
    void SaveHtmlClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct BlockControls {
        QPlainTextEdit* Text = nullptr;
        QCheckBox* Bold = nullptr;
        QCheckBox* Italic = nullptr;
        QCheckBox* Center = nullptr;
        QComboBox* Size = nullptr;
    };
    QWidget* MakeBlock(const QString& heading, const QString& name, HtmlTextBlock& block, BlockControls& controls);
    HtmlTextBlock& Block(int index);

    AppContext& m_context;
    PageImage m_pageImage;
    std::array<BlockControls, 4> m_blocks;
    QLineEdit* m_title = nullptr;
};

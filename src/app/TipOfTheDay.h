#pragma once

#include <QDialog>
#include <QString>
#include <array>

class AppContext;
class QCheckBox;
class QLabel;

/**
 * The "Tip of the Day" window: one of 32 short feature tips, a "&Next Tip" button that steps
 * through them (32 wraps to 1) and the "&Show Tips at Startup" box, whose state becomes the
 * "Show Tips" setting when the window closes, however it is closed.
 */
class TTipOfTheDay : public QDialog {
    Q_OBJECT

public:
    /** How many tips there are. */
    static constexpr int TipCount = 32;
    /** The longest a tip may be, in characters. */
    static constexpr int MaxTipLength = 180;

    /** The tip texts, tip 1 first. */
    static const std::array<QString, TipCount>& Tips();

    /** Opens at a random tip, a fresh one each time. */
    explicit TTipOfTheDay(AppContext& context, QWidget* parent = nullptr);

    /** Shows tip 1..32. */
    void ShowTip(int number);
    /** The tip shown, 1..32. */
    int TipNumber() const { return m_tip; }
    /** The "&Next Tip" button: the next tip, 32 wrapping to 1. */
    void NextTipClick();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppContext& m_context;
    QLabel* m_text = nullptr;
    QLabel* m_number = nullptr;
    QCheckBox* m_showTips = nullptr;
    int m_tip = 1;
};

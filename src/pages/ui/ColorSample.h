#pragma once
// A colour sample with its change button, as the property dialogs show a colour.

#include <QWidget>
#include <cstdint>

class QFrame;
class QPushButton;

/**
 * A labelled colour sample and a change button that opens the colour dialog. The colour is a
 * stored 0x00BBGGRR value.
 */
class TColorSample : public QWidget {
    Q_OBJECT
public:
    TColorSample(const QString& label, const QString& buttonText, std::uint32_t color, QWidget* parent);

    std::uint32_t color() const { return m_color; }
    void setColor(std::uint32_t color);
    /** Enables or disables the change button. */
    void setChangeEnabled(bool enabled);
    QPushButton* changeButton() const { return m_button; }

private:
    std::uint32_t m_color = 0;
    QFrame* m_sample = nullptr;
    QPushButton* m_button = nullptr;
};

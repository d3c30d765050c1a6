#pragma once

#include "store/Settings.h"

#include <QDialog>
#include <array>

class AppContext;
class QComboBox;

/**
 * "International Characters": which accented character (codes 192..255) each of F1..F12 types
 * in the word list editor. "&Ok" stores the twelve choices in the "Int Key" settings.
 */
class TDoIntChars : public QDialog {
    Q_OBJECT
public:
    explicit TDoIntChars(AppContext& context, QWidget* parent = nullptr);

    /** The list of key F(n + 1). */
    QComboBox* KeyList(int n) const { return m_lists[std::size_t(n)]; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OkClick();

    AppContext& m_context;
    std::array<QComboBox*, SettingsLimits::IntKeyCount> m_lists{};
};

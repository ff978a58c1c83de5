#pragma once
// The texts the main window shows and switches between; the form's own labels live in
// forms/main_window.ui.

#include <QString>

namespace carloan::main_window_texts {

inline const QString new_quote_title = QStringLiteral("新規");
inline const QString addition_amount_label = QStringLiteral("ボーナス加算額");
inline const QString first_cycle_label = QStringLiteral("第一サイクル計上");
inline const QString printing_status = QStringLiteral("印刷中です・・・");
inline const QString printed_status = QStringLiteral("印刷が終了しました。");
inline const QString print_failed_status = QStringLiteral("印刷に失敗しました。");
inline const QString figures_description = QStringLiteral("計算結果");
inline const QString stale_figures_description =
    QStringLiteral("計算結果（入力が変わったため古い値です。計算し直してください）");

}  // namespace carloan::main_window_texts

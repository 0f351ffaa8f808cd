// The filters and titles of the file dialogs, in the platform's "caption|pattern|..." form.
#pragma once

namespace tarn {

// The contour data and the scatter table share one filter.
inline constexpr const char* kContourDataFilter =
    "テキストファイル(*.txt)|*.txt|データファイル(*.dat)|*.dat|全てのファイル(*.*)|*.*";
inline constexpr const char* kSettingsFilter =
    "Tarnplot設定ファイル(*.tpf)|*.tpf|全てのファイル(*.*)|*.*";
inline constexpr const char* kMeshFilter =
    "テキストファイル(*.txt)|*.txt|テキストデータファイル(*.dat)|*.dat|全てのファイル(*.*)|*.*";

inline constexpr const char* kScatterDataTitle = "散布図用のデータの取り込み";
inline constexpr const char* kStandardDataTitle = "等高線用データの取り込み（標準形式）";
inline constexpr const char* kTableDataTitle = "等高線用データの取り込み（表形式）";
inline constexpr const char* kMeshOpenTitle = "等高線用メッシュデータの取り込み";
inline constexpr const char* kMeshSaveTitle = "メッシュデータの保存";
inline constexpr const char* kSettingsOpenTitle = "設定ファイルの読み込み";
inline constexpr const char* kSettingsSaveTitle = "設定ファイルの保存";

}  // namespace tarn

// The mesh commands: build the mesh from the points under the progress dialog, and save
// or load it as a mesh file.
#pragma once

#include "app/Document.h"
#include "base/UserInterface.h"

namespace tarn {

inline constexpr const char* kScatterModeMessage = "現在は散布図モードになっています";
inline constexpr const char* kCannotMeshMessage = "メッシュを作れません";
inline constexpr const char* kMeshProgressLabel = "メッシュを作成しています・・・・・";
inline constexpr const char* kBadMeshFileMessage = "メッシュデータが不正です";

// 作業 › メッシュの作成.
void MakeMeshExecute(Document& doc, UserInterface& ui);

// ファイル › メッシュデータの保存: the current mesh, one line per triangle.
void SaveMeshExecute(Document& doc, UserInterface& ui);

// ファイル › メッシュデータの取り込み: the mesh is emptied at once, then replaced by the file's
// triangles. A file that cannot be read, holds a line that is not numbers, or names a point
// the current data does not have is reported with "メッシュデータが不正です"; a mesh that
// does not fit the points is not kept.
void LoadMeshExecute(Document& doc, UserInterface& ui);

}  // namespace tarn

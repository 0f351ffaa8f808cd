#include "app/Document.h"

#include <algorithm>

namespace tarn {

void Document::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Notify(DocumentChange::Caption);
}

void Document::SetPicture(std::string picture, int width, int height, std::optional<PlotArea> plot) {
  Picture = std::move(picture);
  PictureWidth = width;
  PictureHeight = height;
  PlotOfPicture = plot;
  ++PictureRevision;
  Notify(DocumentChange::Picture);
}

void Document::SetBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  Notify(DocumentChange::Busy);
}

void Document::Notify(DocumentChange change) {
  // A listener may unsubscribe while being notified: walk a copy.
  const auto listeners = listeners_;
  for (const auto& [id, listener] : listeners) listener(change);
}

int Document::Subscribe(Listener listener) {
  listeners_.emplace_back(nextListenerId_, std::move(listener));
  return nextListenerId_++;
}

void Document::Unsubscribe(int id) {
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace tarn

#pragma once

class ImageList;

// The pictures of the reference trees' image lists, under the keys their windows use.
namespace treepictures {

// "open", "obj1", "propaty1", "value", "obj2", "leaf", "close", "propaty".
void addCssTreePictures(ImageList &list);
// "obj1", "leaf", "obj2".
void addTagTreePictures(ImageList &list);
// "action", "closed", "open", "A4", "file", "closed1", "event", "meth", "open1", "pro", "A0",
// "A5", "A1", "A2", "A3".
void addObjectTreePictures(ImageList &list);

} // namespace treepictures

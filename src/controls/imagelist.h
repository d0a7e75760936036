#pragma once

#include "controls/control.h"

#include <QStringList>
#include <map>
#include <optional>
#include <vector>

// A small picture drawn as rows of characters, each character naming a colour of `colours`
// (0x00BBGGRR). A character that `colours` does not name is transparent. Rows may differ in
// length: the picture is as wide as its longest row.
struct Picture
{
    QStringList rows;
    std::map<QChar, quint32> colours;

    int width() const;
    int height() const { return int(rows.size()); }
    // The colour at (x, y), or empty where the picture is transparent or outside it.
    std::optional<quint32> colourAt(int x, int y) const;
};

// An image list: pictures under unique keys, kept in the order they were added. It shows nothing
// by itself (it is never visible); tree views take their nodes' pictures from it by key.
class ImageList : public Control
{
public:
    ImageList(Container *container, QString name, int index = -1);

    // Adds a picture under `key`. Refused (returns false, nothing changes) for an empty key or one
    // that is already taken.
    bool add(const QString &key, const Picture &picture);
    bool contains(const QString &key) const { return m_pictures.count(key) != 0; }
    // The picture of a key, or nullptr when the list has none.
    const Picture *picture(const QString &key) const;
    // Keys in the order of adding.
    const QStringList &keys() const { return m_keys; }
    int count() const { return int(m_keys.size()); }

private:
    QStringList m_keys;
    std::map<QString, Picture> m_pictures;
};

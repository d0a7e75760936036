#include "controls/imagelist.h"

#include <algorithm>

int Picture::width() const
{
    qsizetype widest = 0;
    for (const QString &row : rows)
        widest = std::max(widest, row.size());
    return int(widest);
}

std::optional<quint32> Picture::colourAt(int x, int y) const
{
    if (y < 0 || y >= rows.size() || x < 0 || x >= rows[y].size())
        return std::nullopt;
    auto it = colours.find(rows[y][x]);
    if (it == colours.end())
        return std::nullopt;
    return it->second;
}

ImageList::ImageList(Container *container, QString name, int index)
    : Control(container, std::move(name), index)
{
    setVisible(false);
}

bool ImageList::add(const QString &key, const Picture &picture)
{
    if (key.isEmpty() || contains(key))
        return false;
    m_keys.append(key);
    m_pictures.emplace(key, picture);
    notify(Property::List);
    return true;
}

const Picture *ImageList::picture(const QString &key) const
{
    auto it = m_pictures.find(key);
    return it == m_pictures.end() ? nullptr : &it->second;
}

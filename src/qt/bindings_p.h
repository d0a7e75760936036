#pragma once

#include "qt/bindings.h"

#include <functional>

class QListWidget;
class QListWidgetItem;

// The factories of the binding families; each returns nullptr for a control of another family.
std::unique_ptr<ControlBinding> makeSimpleBinding(FormView &view, Control &control,
                                                  QWidget *parent);
std::unique_ptr<ControlBinding> makeListBinding(FormView &view, Control &control, QWidget *parent);
std::unique_ptr<ControlBinding> makeListViewBinding(FormView &view, Control &control,
                                                    QWidget *parent);
std::unique_ptr<ControlBinding> makeTreeBinding(FormView &view, Control &control, QWidget *parent);
std::unique_ptr<ControlBinding> makeRichTextBinding(FormView &view, Control &control,
                                                    QWidget *parent);

// Brings a list widget to `count` rows made by `makeItem(row)`. The list controls tell each item
// added on its own: a change that appended one item adds that row alone, any other rebuilds.
void syncListRows(QListWidget *list, int count,
                  const std::function<QListWidgetItem *(int row)> &makeItem);
// Makes `row` the current row (none for -1) and scrolls it into view.
void showListRow(QListWidget *list, int row);

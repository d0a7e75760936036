#pragma once

#include "qt/bindings.h"

// The factories of the binding families; each returns nullptr for a control of another family.
std::unique_ptr<ControlBinding> makeSimpleBinding(FormView &view, Control &control,
                                                  QWidget *parent);
std::unique_ptr<ControlBinding> makeListBinding(FormView &view, Control &control, QWidget *parent);
std::unique_ptr<ControlBinding> makeListViewBinding(FormView &view, Control &control,
                                                    QWidget *parent);
std::unique_ptr<ControlBinding> makeTreeBinding(FormView &view, Control &control, QWidget *parent);
std::unique_ptr<ControlBinding> makeRichTextBinding(FormView &view, Control &control,
                                                    QWidget *parent);

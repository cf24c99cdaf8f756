#include "control_model.h"

#include <algorithm>

Control::Control(ControlKind kind, std::wstring name, int tag)
    : kind_(kind), name_(std::move(name)), tag_(tag) {}

void Control::SetBounds(const Bounds& b) {
    if (b == bounds_) return;
    Invalidate();
    bounds_ = b;
    Invalidate();
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    if (parent_) parent_->InvalidateArea(bounds_);
}

void Control::SetTransparent(bool v) {
    transparent_ = v;
    Invalidate();
}

void Control::Invalidate() {
    if (parent_ && visible_) parent_->InvalidateArea(bounds_);
}

void ControlContainer::Adopt(std::unique_ptr<Control> control) {
    control->parent_ = this;
    controls_.push_back(std::move(control));
    controls_.back()->Invalidate();
}

Control* ControlContainer::FindByTag(ControlKind kind, int tag) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->Kind() == kind && (*it)->Tag() == tag) return it->get();
    return nullptr;
}

Control* ControlContainer::FindByName(const std::wstring& name) const {
    for (const auto& c : controls_)
        if (c->Name() == name) return c.get();
    return nullptr;
}

Control* ControlContainer::ControlAt(int x, int y, bool allowDisabled) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = it->get();
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->GetBounds().Contains(x, y))
            return c;
    }
    return nullptr;
}

void ControlContainer::BringToFront(Control& control) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const auto& c) { return c.get() == &control; });
    if (it == controls_.end()) return;
    std::rotate(it, it + 1, controls_.end());
    control.Invalidate();
}

void ControlContainer::SendToBack(Control& control) {
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](const auto& c) { return c.get() == &control; });
    if (it == controls_.end()) return;
    std::rotate(controls_.begin(), it, it + 1);
    control.Invalidate();
}

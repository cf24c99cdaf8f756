#pragma once
// The toolkit's control model: windowless controls (pictures, labels, shapes) inside a
// container, in creation order, which is also their z-order (later ones lie on top).
// Geometry, visibility, tags and hit testing live here, free of the platform; drawing and
// mouse delivery are done by the form that hosts the tree.
#include <functional>
#include <memory>
#include <string>
#include <vector>

class PaintContext; // the platform's drawing surface, defined by the form's painter

enum class ControlKind { Image, Label, Shape };

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool Contains(int x, int y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    bool operator==(const Bounds& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    MouseButton button = MouseButton::Left;
    int x = 0; // in the control's own coordinates
    int y = 0;
};

class ControlContainer;

class Control {
  public:
    Control(ControlKind kind, std::wstring name, int tag = 0);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }
    const std::wstring& Name() const { return name_; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width; }
    int Height() const { return bounds_.height; }
    const Bounds& GetBounds() const { return bounds_; }
    void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
    void SetBounds(const Bounds& b);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    // Whether the area behind the control shows through where it draws nothing.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

    ControlContainer* Parent() const { return parent_; }

    // Asks the host to redraw the control's area.
    void Invalidate();

    std::function<void(Control&, const MouseEvent&)> OnMouseDown;
    std::function<void(Control&, const MouseEvent&)> OnMouseUp;
    std::function<void(Control&, const MouseEvent&)> OnMouseMove;
    std::function<void(Control&)> OnClick;

    virtual void Paint(PaintContext&) {}

  private:
    friend class ControlContainer;
    ControlKind kind_;
    std::wstring name_;
    int tag_;
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool transparent_ = true;
    ControlContainer* parent_ = nullptr;
};

// Owns windowless controls in creation order and answers where they are.
class ControlContainer {
  public:
    virtual ~ControlContainer() = default;

    template <typename T, typename... Args> T& Add(Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *control;
        Adopt(std::move(control));
        return ref;
    }
    void Adopt(std::unique_ptr<Control> control);

    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

    // From the last created to the first: the first control of exactly that kind with the tag.
    Control* FindByTag(ControlKind kind, int tag) const;
    Control* FindByName(const std::wstring& name) const;

    // The topmost visible direct child at a point of this container; disabled ones count
    // when allowDisabled is set.
    Control* ControlAt(int x, int y, bool allowDisabled) const;

    void BringToFront(Control& control);
    void SendToBack(Control& control);

    // Called when a control's area needs drawing again (in container coordinates).
    virtual void InvalidateArea(const Bounds&) {}

  private:
    std::vector<std::unique_ptr<Control>> controls_;
};

#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/headless/HeadlessPlatform.h"

namespace headless_test {

// A window handler that writes every callback into a shared log as a short line.
class LogWindow : public WindowHandler {
  public:
    explicit LogWindow(std::vector<std::string>& log, std::string name = "w")
        : log_(log), name_(std::move(name)) {}

    void OnPaint(Surface& surface, const Rect& client) override {
        Add("paint " + std::to_string(client.right) + "x" + std::to_string(client.bottom));
        if (paint) {
            paint(surface);
        }
    }
    void OnMouseMove(uint32_t flags, Point p) override { AddPoint("move", flags, p); }
    void OnMouseLeave() override { Add("leave"); }
    void OnMouseHover(Point p) override { AddPoint("hover", 0, p); }
    void OnLButtonDown(uint32_t flags, Point p) override { AddPoint("down", flags, p); }
    void OnLButtonUp(uint32_t flags, Point p) override { AddPoint("up", flags, p); }
    void OnLButtonDblClk(uint32_t flags, Point p) override { AddPoint("dbl", flags, p); }
    void OnRButtonUp(uint32_t flags, Point p) override { AddPoint("rup", flags, p); }
    void OnMouseWheel(int delta, Point p) override { AddPoint("wheel", uint32_t(delta), p); }
    bool OnKeyDown(int vk) override {
        Add("key " + std::to_string(vk));
        return swallowKeys;
    }
    bool OnChar(char16_t ch) override {
        Add("char " + std::to_string(int(ch)));
        return swallowChars;
    }
    void OnActivate(bool active) override { Add(active ? "activate" : "deactivate"); }
    void OnTimer(int id) override {
        Add("timer " + std::to_string(id));
        if (onTimer) {
            onTimer(id);
        }
    }
    intptr_t OnMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override {
        Add("msg " + std::to_string(message) + " " + std::to_string(wParam) + " " +
            std::to_string(lParam));
        return onMessage ? onMessage(message, wParam, lParam) : 0;
    }
    void OnDestroyed() override { Add("destroyed"); }

    std::function<void(Surface&)> paint;
    std::function<void(int)> onTimer;
    std::function<intptr_t(uint32_t, uintptr_t, intptr_t)> onMessage;
    bool swallowKeys = false;
    bool swallowChars = false;

  private:
    void Add(const std::string& line) { log_.push_back(name_ + ": " + line); }
    void AddPoint(const std::string& what, uint32_t flags, Point p) {
        Add(what + " " + std::to_string(flags) + " " + std::to_string(p.x) + "," +
            std::to_string(p.y));
    }

    std::vector<std::string>& log_;
    std::string name_;
};

} // namespace headless_test

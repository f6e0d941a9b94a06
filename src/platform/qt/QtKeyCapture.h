#pragma once

#include <QObject>
#include <functional>

// Watches every key press and release that reaches one of the program's windows while it is
// on, and reports its virtual-key code. The keys still go where they were going.
class QtKeyCapture : public QObject {
  public:
    using Report = std::function<void(int vk, bool release)>;

    explicit QtKeyCapture(Report report);
    ~QtKeyCapture() override;

    void Start();
    void Stop();
    bool IsOn() const { return on_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Report report_;
    bool on_ = false;
};

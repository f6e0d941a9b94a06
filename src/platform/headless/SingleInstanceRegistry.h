#pragma once

#include <map>
#include <string>

class HeadlessPlatform;

// Stands for the system-wide named lock: two backends given the same registry play a first and
// a second instance of the program. It must outlive the backends that use it.
class SingleInstanceRegistry {
  public:
    // The backend holding the name, or null.
    HeadlessPlatform* Holder(const std::u16string& name) const;
    void Claim(const std::u16string& name, HeadlessPlatform& holder);
    void ReleaseAll(const HeadlessPlatform& holder);

  private:
    std::map<std::u16string, HeadlessPlatform*> holders_;
};

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace lexo {

// Objects behind 32-bit handles that count up from 1 and are never reused, so a stale handle
// stays unknown. 0 and unknown handles find nothing.
template <typename T>
class HandleTable {
  public:
    // Handles stop at this many, far beyond any game's loads; Add then refuses with 0.
    static constexpr uint32_t kMaxHandles = 1u << 24;

    uint32_t Add(std::unique_ptr<T> object) {
        if (object == nullptr || objects_.size() >= kMaxHandles) return 0;
        objects_.push_back(std::move(object));
        return static_cast<uint32_t>(objects_.size());
    }

    T* Find(uint32_t handle) const {
        if (handle == 0 || handle > objects_.size()) return nullptr;
        return objects_[handle - 1].get();
    }

    void Remove(uint32_t handle) {
        if (Find(handle) != nullptr) objects_[handle - 1].reset();
    }

    // Releases every object; their handles stay used, and unknown from now on.
    void RemoveAll() {
        for (auto& object : objects_) object.reset();
    }

    template <typename Visit>
    void ForEach(Visit visit) {
        for (auto& object : objects_) {
            if (object) visit(*object);
        }
    }

  private:
    std::vector<std::unique_ptr<T>> objects_;
};

}  // namespace lexo

// ServiceRegistry: the per-engine set of operating-system interfaces that built-in families use.
// Owned by the ScriptEngine, one instance of each interface type, created on first use with the
// type's static CreateDefault() unless a test set its own first. Engine thread only.
#pragma once

#include <memory>
#include <typeindex>
#include <unordered_map>

class ServiceRegistry {
 public:
  template <class T>
  T& Get() {
    auto it = m_services.find(std::type_index(typeid(T)));
    if (it == m_services.end()) {
      std::shared_ptr<T> created(T::CreateDefault());
      it = m_services.emplace(std::type_index(typeid(T)), created).first;
    }
    return *static_cast<T*>(it->second.get());
  }

  template <class T>
  void Set(std::unique_ptr<T> service) {
    m_services[std::type_index(typeid(T))] = std::shared_ptr<T>(std::move(service));
  }

 private:
  std::unordered_map<std::type_index, std::shared_ptr<void>> m_services;
};

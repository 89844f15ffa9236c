// VariableTable: the script's global scope and its stack of local scopes (one per running user,
// hotkey or Adlib function). Names are stored upper-cased. Entries share their Variant, so a
// ByRef entry and its caller's variable or array element are the same object. Owned by the
// engine; lives as long as it (globals survive from run to run). Engine thread only.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "engine/variant.h"

class VariableTable {
 public:
  enum class Mode { kAny, kLocal, kGlobal };
  struct Entry {
    std::string m_name;
    VariantPtr m_value;
  };

  VariableTable();

  VariantPtr Find(const std::string& key, Mode mode = Mode::kAny) const;
  // Copies `value` into the chosen scope's entry of that name, creating it when absent.
  VariantPtr Assign(const std::string& key, const Variant& value, Mode mode = Mode::kAny);
  // A ByRef entry in the current local scope; false when no function is running.
  bool AddReference(const std::string& key, VariantPtr target);
  void PushScope();
  void PopScope();
  // -1 when the current local scope has the name, 1 when the global scope has it, else 0.
  int IsDeclared(const std::string& key) const;
  bool InFunction() const { return m_scopes.size() > 1; }
  // The global scope in declaration order.
  const std::vector<Entry>& Globals() const { return m_scopes.front().m_entries; }

 private:
  struct Scope {
    std::vector<Entry> m_entries;
    std::unordered_map<std::string, size_t> m_index;  // global scope only
    VariantPtr Find(const std::string& key) const;
    Entry& Add(const std::string& key, VariantPtr value);
  };
  Scope& ScopeFor(Mode mode);
  const Scope& ScopeFor(Mode mode) const;

  std::vector<Scope> m_scopes;  // [0] global, then locals; only the last local is visible
};

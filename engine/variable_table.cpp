// VariableTable lookups and scopes.
#include "engine/variable_table.h"

VariantPtr VariableTable::Scope::Find(const std::string& key) const {
  if (!m_index.empty() || m_entries.size() > 16) {
    auto it = m_index.find(key);
    return it == m_index.end() ? nullptr : m_entries[it->second].m_value;
  }
  for (const auto& entry : m_entries) {
    if (entry.m_name == key) return entry.m_value;
  }
  return nullptr;
}

VariableTable::Entry& VariableTable::Scope::Add(const std::string& key, VariantPtr value) {
  m_entries.push_back({key, std::move(value)});
  if (m_entries.size() > 16) {
    if (m_index.empty()) {
      for (size_t i = 0; i < m_entries.size(); ++i) m_index.emplace(m_entries[i].m_name, i);
    } else {
      m_index.emplace(key, m_entries.size() - 1);
    }
  }
  return m_entries.back();
}

VariableTable::VariableTable() { m_scopes.emplace_back(); }

VariableTable::Scope& VariableTable::ScopeFor(Mode mode) {
  return mode == Mode::kGlobal ? m_scopes.front() : m_scopes.back();
}
const VariableTable::Scope& VariableTable::ScopeFor(Mode mode) const {
  return mode == Mode::kGlobal ? m_scopes.front() : m_scopes.back();
}

VariantPtr VariableTable::Find(const std::string& key, Mode mode) const {
  VariantPtr found = ScopeFor(mode).Find(key);
  if (!found && mode == Mode::kAny && InFunction()) found = m_scopes.front().Find(key);
  return found;
}

VariantPtr VariableTable::Assign(const std::string& key, const Variant& value, Mode mode) {
  Scope& scope = ScopeFor(mode);
  if (VariantPtr existing = scope.Find(key)) {
    existing->Assign(value);
    return existing;
  }
  return scope.Add(key, std::make_shared<Variant>(value)).m_value;
}

bool VariableTable::AddReference(const std::string& key, VariantPtr target) {
  if (!InFunction()) return false;
  m_scopes.back().Add(key, std::move(target));
  return true;
}

void VariableTable::PushScope() { m_scopes.emplace_back(); }

void VariableTable::PopScope() {
  if (InFunction()) m_scopes.pop_back();
}

int VariableTable::IsDeclared(const std::string& key) const {
  if (InFunction() && m_scopes.back().Find(key)) return -1;
  return m_scopes.front().Find(key) ? 1 : 0;
}

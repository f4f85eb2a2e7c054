#pragma once
#include "app/RecentDocsStore.h"
#include "persist/RecentDocsRegistry.h"

// Keeps the recent documents in the current user's registry between runs.
class RegistryRecentDocsStore : public RecentDocsStore
{
public:
    explicit RegistryRecentDocsStore(RecentDocsRegistry registry = RecentDocsRegistry()) : _registry(std::move(registry)) {}
    void load(Quillory& doc) override { _registry.load(doc); }
    void save(const Quillory& doc) override { _registry.save(doc); }

private:
    RecentDocsRegistry _registry;
};

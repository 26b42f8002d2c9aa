// The root object: every object registers itself while it exists, so that commands and handlers can
// tell a live object from a stale or made-up reference before following it.
#include "KW_Object.h"
#include <mutex>
#include <unordered_set>

namespace {

// Commands come from several threads. Never destroyed: objects may outlive static destruction.
struct Registry {
    std::mutex lock;
    std::unordered_set<const void*> objects;
};

Registry& registry() {
    static Registry* r = new Registry;
    return *r;
}

}  // namespace

KW_Object::KW_Object() {
    Registry& r = registry();
    std::lock_guard<std::mutex> hold(r.lock);
    r.objects.insert(this);
}

KW_Object::~KW_Object() {
    Registry& r = registry();
    std::lock_guard<std::mutex> hold(r.lock);
    r.objects.erase(this);
}

bool KW_Object::live(const void* p) {
    if (!p) return false;
    Registry& r = registry();
    std::lock_guard<std::mutex> hold(r.lock);
    return r.objects.count(p) != 0;
}

// "delete": an action; destroys the object when it is one that exists.
KW_value* KW_Object::m_delete(KW_value* r, KW_Object* obj, KW_value arg) {
    (void)arg;
    if (live(obj)) delete obj;
    *r = KW_value();
    return r;
}

const KW_Option KW_Object::options[] = {
    KW_Option(static_cast<KW_Factory>(nullptr)),
    KW_Option("delete", &KW_Object::m_delete),
    KW_Option(static_cast<const KW_Option*>(nullptr)),
};

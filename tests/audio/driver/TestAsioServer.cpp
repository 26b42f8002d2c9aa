// The COM server side of the test drivers: the class objects that make driver objects, and the
// statistics the tests read.
#include <windows.h>
#include <objbase.h>
#include <cstring>
#include "TestAsioDriver.h"
#include "TestAsioStats.h"

TestAsioStats stats;

extern "C" __declspec(dllexport) TestAsioStats* testAsioStats() { return &stats; }

namespace {

std::atomic<int> serverLocks{0};

// The table row whose class this is, or -1.
int rowOf(REFCLSID id) {
    for (int r = 0; r < TEST_ASIO_DRIVER_COUNT; ++r) {
        const char* text = TEST_ASIO_DRIVERS[r].clsid;
        if (!text) continue;
        wchar_t wide[64] = {};
        CLSID parsed;
        MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 63);
        if (CLSIDFromString(wide, &parsed) == NOERROR && IsEqualCLSID(parsed, id)) return r;
    }
    return -1;
}

class Factory final : public IClassFactory {
public:
    Factory(int r, REFCLSID id) : row(r), classId(id) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) return E_NOINTERFACE;
        AddRef();
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references;
        if (!left) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto* driver = new TestAsioDriver(row, reinterpret_cast<const uint8_t*>(&classId));
        HRESULT r = driver->QueryInterface(&iid, object);
        driver->Release();
        return r;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        serverLocks += lock ? 1 : -1;
        return S_OK;
    }

private:
    const int row;
    const CLSID classId;
    std::atomic<ULONG> references{1};
};

}  // namespace

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID id, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    const int row = rowOf(id);
    if (row < 0 || TEST_ASIO_DRIVERS[row].has(TestAsioConfig::NOT_CREATABLE)) return CLASS_E_CLASSNOTAVAILABLE;
    auto* factory = new Factory(row, id);
    HRESULT r = factory->QueryInterface(iid, object);
    factory->Release();
    return r;
}

extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
    return stats.alive == 0 && serverLocks == 0 ? S_OK : S_FALSE;
}

// The menu commands; each runs under the host lock (see KW_Host::command).
#include <new>
#include "KW_Host.h"

static const char TOO_MANY_INSTANCES[] = "No more instances can be added";
static const char NO_EFFECT[] = "The effect could not be loaded";

KW_status KW_Host::selectDriver(int i) {
    if (i >= driverCount) return KW_OK;
    bool wasRunning = false;
    KW_status s = KW_OK;
    if (currentDriver >= 0) {
        KW_Rts* old = drivers[currentDriver];
        if (old->running) {
            if ((s = old->stop()) != KW_OK) return fail(232, "menu_driver", s);
            wasRunning = true;
        }
        if (old->active.load()) {
            if ((s = old->free()) != KW_OK) return fail(241, "menu_driver", s);
            currentMode = -1;
        }
        mark(ID_DRIVER + currentDriver, false);
        clear(modeMenu, modeCount);
        clear(inputMenu, inputCount);
        modeCount = 0;
        if ((s = old->exit()) != KW_OK) return fail(271, "menu_driver", s);
        currentDriver = -1;
        inputCount = 0;
    }
    KW_Rts* driver = drivers[i];
    if ((s = driver->init()) != KW_OK) return fail(280, "menu_driver", s);
    mark(ID_DRIVER + i, true);
    currentDriver = i;
    fillDriverMenus();
    reconnectInstances();
    if (modeCount > 0) {
        s = selectMode(0);
        if (s == KW_OK && wasRunning && (s = driver->start()) != KW_OK) return fail(354, "menu_driver", s);
    }
    return s;
}

void KW_Host::fillDriverMenus() {
    KW_Rts* driver = drivers[currentDriver];
    for (KW_Chain_Item* it = driver->modes.first(); it != driver->modes.end() && modeCount < MAX_MODES;
         it = it->next) {
        auto* m = static_cast<KW_Rts::Mode*>(it->data);
        modes[modeCount] = m;
        append(modeMenu, ID_MODE + modeCount, m->description, reinterpret_cast<ULONG_PTR>(m));
        ++modeCount;
    }
    int current = currentInstance >= 0 ? instances[currentInstance]->input : -1;
    for (KW_Chain_Item* it = driver->inputs.first(); it != driver->inputs.end() && inputCount < MAX_INPUTS;
         it = it->next) {
        auto* c = static_cast<KW_Rts::Chan*>(it->data);
        inputs[inputCount].chan = c;
        append(inputMenu, ID_INPUT + inputCount, c->name, reinterpret_cast<ULONG_PTR>(c));
        if (inputCount == current) mark(ID_INPUT + inputCount, true);
        ++inputCount;
    }
}

// Instances on inputs the driver no longer has become unconnected; every label names its input anew.
void KW_Host::reconnectInstances() {
    for (int k = 0; k < instanceCount; ++k) {
        KW_Host_Instance* inst = instances[k];
        if (inst->input >= inputCount) {
            --inputs[inst->input].users;
            inst->input = -1;
        }
        inst->relabel(k, inputName(inst->input));
        rename(ID_INSTANCE + k, ID_INSTANCE + k, inst->label);
    }
}

KW_status KW_Host::selectMode(int j) {
    if (currentDriver < 0 || j >= modeCount) return KW_OK;
    KW_Rts* driver = drivers[currentDriver];
    if (currentMode >= 0) {
        KW_status s = driver->free();
        if (s != KW_OK) return fail(389, "menu_mode", s);
        mark(ID_MODE + currentMode, false);
    }
    currentMode = -1;
    KW_Rts::Mode* m = modes[j];
    delete[] work;
    work = m->frames > 0 ? new (std::nothrow) float[5 * static_cast<size_t>(m->frames)]() : nullptr;
    frames = work ? m->frames : 0;
    workChan.count = frames;
    effectInputs[0] = work;
    if (!work) return fail(407, "menu_mode", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
    KW_status s = driver->mode(m);
    if (s != KW_OK) return fail(422, "menu_mode", s);
    for (int k = 0; k < instanceCount; ++k)
        instances[k]->send(effSetSampleRate, 0, 0, nullptr, static_cast<float>(m->rate));
    mark(ID_MODE + j, true);
    currentMode = j;
    return KW_OK;
}

KW_status KW_Host::addInstance() {
    if (instanceCount >= MAX_INSTANCES) return fail(__LINE__, "menu_add", TOO_MANY_INSTANCES);
    auto* inst = new (std::nothrow) KW_Host_Instance;
    if (!inst) return fail(__LINE__, "menu_add", KW_ERROR_MEMORY_CANNOT_ALLOCATE);
    inst->effect = VSTPluginMain(callback);
    if (!inst->effect) {
        delete inst;
        return fail(__LINE__, "menu_add", NO_EFFECT);
    }
    if (currentMode >= 0)
        inst->send(effSetSampleRate, 0, 0, nullptr, static_cast<float>(modes[currentMode]->rate));
    for (int j = 0; currentDriver >= 0 && j < inputCount && inst->input < 0; ++j)
        if (inputs[j].users == 0) {
            ++inputs[j].users;
            inst->input = j;
        }
    int k = instanceCount++;
    instances[k] = inst;
    inst->relabel(k, inputName(inst->input));
    insert(channelMenu, k, ID_INSTANCE + k, inst->label, reinterpret_cast<ULONG_PTR>(inst));
    selectInstance(k);
    enable(ID_DELETE, instanceCount >= 2);
    enable(ID_ADD, instanceCount < MAX_INSTANCES);
    return KW_OK;
}

KW_status KW_Host::deleteInstance() {
    // The last instance stays: the window always shows an editor.
    if (instanceCount < 2) return KW_OK;
    int k = currentInstance;
    selectInstance(k == 0 ? 1 : 0);
    DeleteMenu(channelMenu, k, MF_BYPOSITION);
    KW_Host_Instance* gone = instances[k];
    if (gone->input >= 0) --inputs[gone->input].users;
    delete gone;
    --instanceCount;
    for (int n = k; n < instanceCount; ++n) {
        instances[n] = instances[n + 1];
        instances[n]->relabel(n, inputName(instances[n]->input));
        rename(ID_INSTANCE + n + 1, ID_INSTANCE + n, instances[n]->label);
    }
    instances[instanceCount] = nullptr;
    currentInstance = 0;
    enable(ID_DELETE, instanceCount >= 2);
    enable(ID_ADD, true);
    return KW_OK;
}

KW_status KW_Host::selectInstance(int k) {
    if (k >= instanceCount) return KW_OK;
    if (currentInstance >= 0) {
        KW_Host_Instance* old = instances[currentInstance];
        mark(ID_INSTANCE + currentInstance, false);
        old->send(effEditClose, 0, 0, effectWindow, 0.0f);
        if (old->input >= 0) mark(ID_INPUT + old->input, false);
    }
    KW_Host_Instance* inst = instances[k];
    mark(ID_INSTANCE + k, true);
    if (inst->input >= 0) mark(ID_INPUT + inst->input, true);
    inst->send(effEditOpen, 0, 0, effectWindow, 0.0f);
    currentInstance = k;
    return KW_OK;
}

KW_status KW_Host::connectInput(int j) {
    if (currentInstance < 0 || j >= inputCount) return KW_OK;
    KW_Host_Instance* inst = instances[currentInstance];
    if (inst->input >= 0) {
        mark(ID_INPUT + inst->input, false);
        --inputs[inst->input].users;
    }
    mark(ID_INPUT + j, true);
    ++inputs[j].users;
    inst->input = j;
    inst->relabel(currentInstance, inputName(j));
    rename(ID_INSTANCE + currentInstance, ID_INSTANCE + currentInstance, inst->label);
    return KW_OK;
}

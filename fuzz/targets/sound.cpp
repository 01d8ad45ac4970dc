// Sound files through the device layer, loaded whole and streamed (a few mixer updates pull the
// stream's chunks through the decoder).
#include "audio/device.hpp"
#include "fuzz_support.hpp"

namespace device = velkor::audio::device;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velkor::fuzz::Start();
    static device::System* system = [] {
        device::System* s = nullptr;
        device::SystemCreate(&s);
        device::SystemInit(s, 32);
        return s;
    }();
    const std::string path = velkor::fuzz::WriteScratch(data, size, ".snd");
    for (const device::Mode mode : {device::ModeDefault, device::ModeCreateStream, device::ModeCreateStream | device::ModeLoopNormal}) {
        device::Sound* sound = nullptr;
        if (device::CreateSound(system, path.c_str(), mode, &sound) != device::Result::Ok || !sound) continue;
        device::Channel channel;
        device::PlaySound(system, sound, nullptr, &channel);
        for (int i = 0; i < 4; ++i) device::SystemUpdate(system);
        device::SoundRelease(sound);
    }
    return 0;
}

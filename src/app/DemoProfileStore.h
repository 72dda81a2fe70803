#pragma once

#include "document/ProfileStore.h"

/// The profile as a demo run writes it back: every setting goes through to the user's profile except
/// the hardware keys (port, interface kind, transmitter type). Those belonged to the simulator during
/// the demo, whatever the person did in it, and must find the real setup as it was at the next start.
class CDemoProfileStore : public IProfileStore {
public:
    explicit CDemoProfileStore(IProfileStore& profile);

    static bool IsHardwareKey(const QString& key);

    int GetInt(const QString& key, int defaultValue) const override;
    QString GetText(const QString& key, const QString& defaultValue) const override;
    void SetInt(const QString& key, int value) override;
    void SetText(const QString& key, const QString& value) override;

private:
    IProfileStore& m_profile;
};

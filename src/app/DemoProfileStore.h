#pragma once

#include "document/ProfileStore.h"

/// The profile as a demo run writes it back: every setting goes through to the user's profile except
/// the hardware keys (port, interface kind, transmitter type). Those belonged to the simulator during
/// the demo, whatever the person did in it, and must find the real setup as it was at the next start.
class CDemoProfileStore : public IProfileStore {
public:
    explicit CDemoProfileStore(IProfileStore& profile);

    static bool IsHardwareKey(const QString& group, const QString& key);

    QVariant Value(const QString& group, const QString& key) const override;
    void SetValue(const QString& group, const QString& key, const QVariant& value) override;

private:
    IProfileStore& m_profile;
};

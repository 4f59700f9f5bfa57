#pragma once

#include <QNetworkInformation>

// Connects `slot` to the desktop's reports of whether the network can be
// reached, loading the toolkit's network-information backend on first use;
// nothing where the desktop has no way to say.
template <class Receiver>
void watchReachability(Receiver *receiver, void (Receiver::*slot)(QNetworkInformation::Reachability))
{
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QObject::connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, receiver, slot);
}

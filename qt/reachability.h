#pragma once

#include <QNetworkInformation>

#include <utility>

// Connects `slot` to the desktop's reports of whether the network can be
// reached, loading the toolkit's network-information backend on first use;
// nothing where the desktop has no way to say. Once per receiver: `watching`
// remembers it. Called only once something failed, so the desktop's network
// service is not consulted by a launcher whose pages come.
template <class Receiver>
void watchReachability(bool &watching, Receiver *receiver, void (Receiver::*slot)(QNetworkInformation::Reachability))
{
    if (std::exchange(watching, true))
        return;
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability))
        return;
    QObject::connect(QNetworkInformation::instance(), &QNetworkInformation::reachabilityChanged, receiver, slot);
}

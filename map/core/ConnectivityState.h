#pragma once

// The monitor's verdict from its probes. It follows the probes until the
// first failure after a success; from then on it stays offline for the rest
// of the run, even when later probes succeed, so a map that lost its
// connection once is never offered half-working again.
class ConnectivityState {
public:
    void RecordProbe(bool succeeded);

    bool Online() const { return online_; }
    bool WasOnline() const { return wasOnline_; }
    bool WentOffline() const { return wentOffline_; }

private:
    bool online_ = false;
    bool wasOnline_ = false;
    bool wentOffline_ = false;
};

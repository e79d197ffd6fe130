#pragma once

#include "tests/support/TestNetwork.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace lumet::test {

// Gives every test a TestNetwork of its own, built on the test's thread so the
// sockets the test opens live in it. Skips the test, saying why, when the process
// may not create network namespaces.
class NetworkTest : public ::testing::Test {
protected:
    virtual TestNetwork::Options NetworkOptions() const { return {}; }

    void SetUp() override {
        std::string skipReason;
        network_ = TestNetwork::Create(NetworkOptions(), skipReason);
        if (!network_) {
            GTEST_SKIP() << skipReason;
        }
    }

    void TearDown() override {
        if (network_) {
            EXPECT_EQ(network_->Responder().SendFailures(), 0u);
        }
    }

    TunResponder& Responder() { return network_->Responder(); }

    std::unique_ptr<TestNetwork> network_;
};

} // namespace lumet::test

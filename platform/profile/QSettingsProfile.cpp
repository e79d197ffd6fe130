#include "platform/profile/QSettingsProfile.h"

#include "platform/profile/ProfileInteger.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace lumet {

namespace {

QString SettingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

std::optional<long long> IntegerFromVariant(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return static_cast<long long>(std::min<qulonglong>(value.toULongLong(), LLONG_MAX));
    case QMetaType::QString:
        return ParseProfileInteger(value.toString().toStdString());
    default:
        // INI lists ("1,2"), byte arrays and invalid values are no integers.
        return std::nullopt;
    }
}

std::optional<std::string> StringFromVariant(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toString().toStdString();
    case QMetaType::QStringList:
        // A hand-edited INI value with unquoted commas reads back as a list.
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    default:
        return std::nullopt;
    }
}

QVariant ToVariant(const std::variant<long long, std::string>& value) {
    if (const long long* number = std::get_if<long long>(&value)) {
        return QVariant(static_cast<qlonglong>(*number));
    }
    return QVariant(QString::fromStdString(std::get<std::string>(value)));
}

// Whether everything set on writer has reached the store after its sync().
bool ChangesWritten(const QSettings& writer) {
    switch (writer.status()) {
    case QSettings::NoError:
        return true;
    case QSettings::FormatError: {
        // An unparsable old file sets FormatError, which then hides the outcome of
        // the save. A fresh QSettings shares the pending changes of the same store
        // and retries them on sync, so its status reports only the write.
        QSettings check(writer.fileName(), writer.format());
        check.sync();
        return check.status() == QSettings::NoError;
    }
    case QSettings::AccessError:
        break;
    }
    return false;
}

} // namespace

QSettingsProfile QSettingsProfile::ForApplication(const std::string& applicationName) {
    // NativeFormat is the INI format on Linux and the registry on Windows.
    return QSettingsProfile(std::make_unique<QSettings>(QString::fromLatin1(kOrganization),
                                                        QString::fromStdString(applicationName)));
}

QSettingsProfile::QSettingsProfile(const std::string& filePath)
    : QSettingsProfile(
          std::make_unique<QSettings>(QString::fromStdString(filePath), QSettings::IniFormat)) {}

QSettingsProfile::QSettingsProfile(std::unique_ptr<QSettings> settings)
    : settings_(std::move(settings)) {}

QSettingsProfile::QSettingsProfile(QSettingsProfile&&) noexcept = default;
QSettingsProfile& QSettingsProfile::operator=(QSettingsProfile&&) noexcept = default;
QSettingsProfile::~QSettingsProfile() = default;

std::string QSettingsProfile::Location() const {
    return settings_->fileName().toStdString();
}

const QSettingsProfile::StagedValue* QSettingsProfile::FindStaged(const std::string& section,
                                                                  const std::string& key) const {
    const auto found = staged_.find({section, key});
    return found == staged_.end() ? nullptr : &found->second;
}

std::optional<long long> QSettingsProfile::ReadInt(const std::string& section,
                                                   const std::string& key) const {
    if (const StagedValue* staged = FindStaged(section, key)) {
        if (const long long* number = std::get_if<long long>(staged)) {
            return *number;
        }
        return ParseProfileInteger(std::get<std::string>(*staged));
    }
    return IntegerFromVariant(settings_->value(SettingsKey(section, key)));
}

std::optional<std::string> QSettingsProfile::ReadString(const std::string& section,
                                                        const std::string& key) const {
    if (const StagedValue* staged = FindStaged(section, key)) {
        if (const long long* number = std::get_if<long long>(staged)) {
            return std::to_string(*number);
        }
        return std::get<std::string>(*staged);
    }
    return StringFromVariant(settings_->value(SettingsKey(section, key)));
}

void QSettingsProfile::WriteInt(const std::string& section, const std::string& key,
                                long long value) {
    staged_[{section, key}] = value;
}

void QSettingsProfile::WriteString(const std::string& section, const std::string& key,
                                   const std::string& value) {
    staged_[{section, key}] = value;
}

bool QSettingsProfile::Commit() {
    const auto staged = std::exchange(staged_, {});
    if (staged.empty()) {
        return true;
    }
    // A writer of its own, so that its status() speaks of this save alone. With
    // atomic sync required, QSettings writes through QSaveFile: the new content
    // goes to a temporary file that is renamed over the old one only when complete.
    QSettings writer(settings_->fileName(), settings_->format());
    writer.setAtomicSyncRequired(true);

    std::vector<std::pair<QString, std::optional<QVariant>>> previous;
    previous.reserve(staged.size());
    for (const auto& [where, value] : staged) {
        const QString key = SettingsKey(where.first, where.second);
        previous.emplace_back(key, writer.contains(key) ? std::optional<QVariant>(writer.value(key))
                                                        : std::nullopt);
        writer.setValue(key, ToVariant(value));
    }
    writer.sync();
    if (ChangesWritten(writer)) {
        return true;
    }
    // The store kept its old content; put the old values back in memory as well so
    // that reads agree with it.
    for (const auto& [key, value] : previous) {
        if (value) {
            writer.setValue(key, *value);
        } else {
            writer.remove(key);
        }
    }
    return false;
}

} // namespace lumet

#include "seam_answerers.h"

#include <utility>

#include "file_contents.h"

QStringList TextsOf(const QList<MessageRequest>& requests) {
    QStringList texts;
    for (const MessageRequest& request : requests) {
        texts.append(request.text);
    }
    return texts;
}

MessageRecorder::MessageRecorder() {
    SetMessageAnswerer([this](const MessageRequest& request) {
        requests.append(request);
        return request.buttons == MessageButtons::kOk ? MessageAnswer::kOk : answer;
    });
}

MessageRecorder::~MessageRecorder() {
    SetMessageAnswerer({});
}

QStringList MessageRecorder::Texts() const {
    return TextsOf(requests);
}

FileDialogRecorder::FileDialogRecorder(QString answer) : answer(std::move(answer)) {
    SetFileDialogAnswerer([this](const FileDialogRequest& request) {
        requests.append(request);
        return this->answer;
    });
}

FileDialogRecorder::~FileDialogRecorder() {
    SetFileDialogAnswerer({});
}

FakePrograms::FakePrograms() : previousPath(qgetenv("PATH")) {
    qputenv("PATH", folder.path().toLocal8Bit() + ':' + previousPath);
}

FakePrograms::~FakePrograms() {
    qputenv("PATH", previousPath);
}

void FakePrograms::Add(const QString& name, const QByteArray& script) {
    WriteFile(folder.filePath(name), "#!/bin/sh\n" + script + '\n',
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

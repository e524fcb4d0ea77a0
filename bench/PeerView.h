#pragma once

#include "bench/PropertyMix.h"

#include <KPropertyEditorView>
#include <KPropertySet>

#include <QPersistentModelIndex>

#include <memory>
#include <vector>

// The peer's property editor as its users show a property set: a KPropertyEditorView of the
// editor's size, with one group per category.
struct PeerView
{
    PeerView();
    ~PeerView();

    // Makes a property per entry, adds it to the set under its category and shows the set,
    // laid out and painted.
    void fill(const std::vector<MixEntry> &entries);

    std::unique_ptr<KPropertySet> set;
    KPropertyEditorView view;
};

// A filled peer view scrolled to the same double property as EditedRow, edited through the
// view's model as its delegate commits, and repainted.
class PeerEditedRow
{
public:
    explicit PeerEditedRow(int n);

    void edit();

private:
    PeerView m_peer;
    QByteArray m_name;
    QPersistentModelIndex m_cell;
    double m_value = 1.0;
};

// The entries of a plan of n properties.
std::vector<MixEntry> mixEntries(int n);

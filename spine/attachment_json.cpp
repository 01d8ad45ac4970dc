// The skeleton reader's attachments: region, mesh, linked-mesh, path, clipping, bounding-box and
// point attachments, their vertices, and the linked meshes resolved once every skin is read.
#include <set>
#include <utility>

#include "spine/skeleton_json_reader.hpp"

namespace velkor::spine::reader {

const AtlasRegion* Reader::Region(const std::string& path, const std::string& name) {
    const AtlasRegion* region = atlas_.FindRegion(path);
    if (!region)
        Trace("Skeleton " + source_ + ": attachment " + Quote(name) + " needs the region " + Quote(path) +
              ", which the atlas lacks; left out\n");
    return region;
}

std::unique_ptr<Attachment> Reader::ReadAttachment(const Json& json, const std::string& key, int slot, Skin& skin,
                                                   const std::string& pointer) {
    Object(json, "attachment " + Quote(key));
    const std::string name = String(json, "name", key);
    const std::string path = String(json, "path", name);
    const std::string type = String(json, "type", "region");
    if (type == "region") {
        auto region = std::make_unique<RegionAttachment>();
        region->name = name;
        region->path = path;
        region->x = Number(json, "x", 0);
        region->y = Number(json, "y", 0);
        region->scaleX = Number(json, "scaleX", 1);
        region->scaleY = Number(json, "scaleY", 1);
        region->rotation = Number(json, "rotation", 0);
        region->width = Number(json, "width", 32);
        region->height = Number(json, "height", 32);
        region->color = ColorOf(json, "color", Color{});
        region->region = Region(path, name);
        if (!region->region) return nullptr;
        region->Update();
        return region;
    }
    if (type == "mesh" || type == "linkedmesh") {
        auto mesh = std::make_unique<MeshAttachment>();
        mesh->name = name;
        mesh->path = path;
        mesh->color = ColorOf(json, "color", Color{});
        mesh->width = Number(json, "width", 0);
        mesh->height = Number(json, "height", 0);
        const std::string parent = String(json, "parent");
        if (type == "linkedmesh" && parent.empty()) Fail("linked mesh " + Quote(name) + " names no parent");
        const std::string parentSkin = String(json, "skin", "default");
        const bool inheritDeform = Boolean(json, "deform", true);
        if (parent.empty()) {
            mesh->regionUVs = Floats(json, "uvs");
            if (mesh->regionUVs.empty() || mesh->regionUVs.size() % 2 != 0)
                Fail("mesh " + Quote(name) + " has no whole list of UVs");
            const int vertexCount = static_cast<int>(mesh->regionUVs.size() / 2);
            ReadVertices(json, *mesh, vertexCount);
            const Json* triangles = Member(json, "triangles");
            if (!triangles) Fail("mesh " + Quote(name) + " has no triangles");
            for (const auto& index : Array(*triangles, "\"triangles\"").GetArray()) {
                if (!index.IsUint() || index.GetUint() >= static_cast<unsigned>(vertexCount))
                    Fail("mesh " + Quote(name) + " has a triangle index outside its vertices");
                mesh->triangles.push_back(index.GetUint());
            }
            if (mesh->triangles.size() % 3 != 0) Fail("mesh " + Quote(name) + " has a partial triangle");
            mesh->hullLength = Integer(json, "hull", 0) * 2;
            if (const Json* edges = Member(json, "edges"))
                for (const auto& edge : Array(*edges, "\"edges\"").GetArray())
                    if (edge.IsInt()) mesh->edges.push_back(edge.GetInt());
        }
        mesh->region = Region(path, name);
        if (!mesh->region) return nullptr;
        if (!parent.empty()) {
            linked_.push_back({mesh.get(), &skin, key, parentSkin, slot, parent, inheritDeform, pointer});
            return mesh;
        }
        mesh->UpdateUVs();
        return mesh;
    }
    if (type == "boundingbox") {
        auto box = std::make_unique<BoundingBoxAttachment>();
        box->name = name;
        ReadVertices(json, *box, Integer(json, "vertexCount", 0));
        return box;
    }
    if (type == "path") {
        auto p = std::make_unique<PathAttachment>();
        p->name = name;
        p->closed = Boolean(json, "closed", false);
        p->constantSpeed = Boolean(json, "constantSpeed", true);
        p->color = ColorOf(json, "color", Color{1, 0.5f, 0, 1});
        const int vertexCount = Integer(json, "vertexCount", 0);
        if (vertexCount < 3 || vertexCount % 3 != 0)
            Fail("path " + Quote(name) + " does not have three control points per vertex");
        ReadVertices(json, *p, vertexCount);
        p->lengths = Floats(json, "lengths");
        return p;
    }
    if (type == "clipping") {
        auto clip = std::make_unique<ClippingAttachment>();
        clip->name = name;
        clip->color = ColorOf(json, "color", Color{0.8f, 0.24f, 0.24f, 1});
        const std::string end = String(json, "end");
        if (!end.empty()) {
            clip->endSlot = data_->FindSlot(end);
            if (clip->endSlot < 0) Fail("clipping " + Quote(name) + " ends at an unknown slot " + Quote(end));
        }
        const int vertexCount = Integer(json, "vertexCount", 0);
        if (vertexCount < 3) Fail("clipping " + Quote(name) + " has fewer than three vertices");
        ReadVertices(json, *clip, vertexCount);
        return clip;
    }
    if (type == "point") {
        auto point = std::make_unique<PointAttachment>();
        point->name = name;
        point->x = Number(json, "x", 0);
        point->y = Number(json, "y", 0);
        point->rotation = Number(json, "rotation", 0);
        return point;
    }
    Fail("attachment " + Quote(name) + " in skin " + Quote(skin.name) + " has an unknown type " + Quote(type));
}

void Reader::ReadVertices(const Json& json, VertexAttachment& attachment, int vertexCount) {
    const std::vector<float> values = Floats(json, "vertices");
    if (vertexCount < 0 || static_cast<std::size_t>(vertexCount) > values.size())
        Fail("attachment " + Quote(attachment.name) + " has too few vertices for its vertex count");
    const auto count = static_cast<std::size_t>(vertexCount);
    attachment.worldVerticesLength = vertexCount * 2;
    if (values.size() == count * 2) {
        attachment.vertices = values;
        return;
    }
    std::size_t i = 0;
    for (std::size_t v = 0; v < count; ++v) {
        if (i >= values.size()) Fail("attachment " + Quote(attachment.name) + " has too few vertices");
        const float boneCount = values[i++];
        const int bones = boneCount >= 1 && boneCount <= static_cast<float>(data_->bones.size())
                              ? static_cast<int>(boneCount) : 0;
        if (bones < 1 || i + static_cast<std::size_t>(bones) * 4 > values.size())
            Fail("attachment " + Quote(attachment.name) + " has a malformed weighted vertex");
        attachment.bones.push_back(bones);
        for (int b = 0; b < bones; ++b, i += 4) {
            if (!(values[i] >= 0 && values[i] < static_cast<float>(data_->bones.size())))
                Fail("attachment " + Quote(attachment.name) + " weights an unknown bone");
            attachment.bones.push_back(static_cast<int>(values[i]));
            attachment.vertices.insert(attachment.vertices.end(), {values[i + 1], values[i + 2], values[i + 3]});
        }
    }
    if (i != values.size()) Fail("attachment " + Quote(attachment.name) + " has vertices that do not match its UVs");
}

void Reader::ResolveLinkedMeshes() {
    // A linked mesh may name another linked mesh: resolve in passes until nothing is left.
    std::set<const MeshAttachment*> pending;
    for (const auto& link : linked_) pending.insert(link.mesh);
    bool progress = true;
    while (!pending.empty() && progress) {
        progress = false;
        for (const auto& link : linked_) {
            if (!pending.count(link.mesh)) continue;
            const Skin* skin = data_->FindSkin(link.skin);
            const auto* parent = skin ? dynamic_cast<const MeshAttachment*>(skin->Find(link.slot, link.parent)) : nullptr;
            if (!parent || pending.count(parent)) continue;
            MeshAttachment& mesh = *link.mesh;
            mesh.parentMesh = parent;
            mesh.bones = parent->bones;
            mesh.vertices = parent->vertices;
            mesh.worldVerticesLength = parent->worldVerticesLength;
            mesh.regionUVs = parent->regionUVs;
            mesh.triangles = parent->triangles;
            mesh.hullLength = parent->hullLength;
            mesh.edges = parent->edges;
            mesh.deformAttachment = link.inheritDeform ? parent->deformAttachment : &mesh;
            mesh.UpdateUVs();
            pending.erase(link.mesh);
            progress = true;
        }
    }
    // What is left names a skin or mesh that does not exist, or links in a circle.
    for (const auto& link : linked_) {
        if (!pending.count(link.mesh)) continue;
        const Skin* skin = data_->FindSkin(link.skin);
        Skip(link.pointer, [&] {
            if (!skin) Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown skin " + Quote(link.skin));
            if (!dynamic_cast<const MeshAttachment*>(skin->Find(link.slot, link.parent)))
                Fail("linked mesh " + Quote(link.mesh->name) + " names an unknown parent mesh " + Quote(link.parent));
            Fail("linked mesh " + Quote(link.mesh->name) + " links in a circle");
        });
    }
    for (const auto& link : linked_)
        if (pending.count(link.mesh)) link.owner->attachments[static_cast<std::size_t>(link.slot)].erase(link.key);
}

}  // namespace velkor::spine::reader

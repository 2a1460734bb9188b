#pragma once
// The square of side 1 centred on the origin, as two triangles of 2D corners, that the instanced
// passes stretch into every sprite and particle.
#include <GL/glew.h>

namespace Graphics
{
// Makes a vertex array and a buffer holding the quad's six corners; leaves both bound, for the
// caller to describe the corner attribute and add its per-instance ones.
void CreateUnitQuad(GLuint& vertexArray, GLuint& quadBuffer);
}  // namespace Graphics

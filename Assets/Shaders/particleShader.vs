#version 410 core
// Every slot of one particle system's pool, drawn as textured quads from the atlas.
layout(location = 0) in vec2 corner;      // a corner of the unit quad, each coordinate -0.5 or 0.5
layout(location = 1) in vec4 motion;      // life, angle, angular velocity, scale
layout(location = 2) in vec4 color;
layout(location = 3) in vec4 placement;   // position x, y, velocity x, y

uniform mat4 projection;
uniform mat4 camera;      // the rows of the camera's affine transform, uploaded as stored
uniform sampler2D atlas;
uniform vec4 uv_coords;   // the first frame's corners in atlas pixels: (x, y + h) and (x + w, y)
uniform vec2 world_pos;   // the emitter's position for systems that move their particles with them

out vec2 textureCoordinate;
out vec4 particleColor;

void main()
{
  float angle = motion.y;
  float scale = motion.w;
  vec2 turned = vec2(cos(angle) * corner.x - sin(angle) * corner.y,
                     sin(angle) * corner.x + cos(angle) * corner.y) * scale;
  vec4 world = vec4(turned + placement.xy + world_pos, 0.0, 1.0);
  // The camera's rows were stored as columns, so the point multiplies from the left.
  vec4 view = world * camera;
  gl_Position = projection * vec4(view.xy, 0.0, 1.0);

  vec2 atlasSize = vec2(textureSize(atlas, 0));
  float u = mix(uv_coords.x, uv_coords.z, corner.x + 0.5);
  float v = mix(uv_coords.y, uv_coords.w, corner.y + 0.5);
  textureCoordinate = vec2(u, v) / atlasSize;
  particleColor = color;
}

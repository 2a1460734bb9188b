#version 410 core
// Draws one texture over another through the full-screen quad; the blend function in force decides
// how the two combine (alpha blending for layers, a multiply for the light mask).
layout(location = 0) in vec4 quad;

out vec2 textureCoordinate;

void main()
{
  textureCoordinate = quad.zw;
  gl_Position = vec4(quad.xy, 0.0, 1.0);
}
